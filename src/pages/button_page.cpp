// The button assignment combos with their numbers. The menus and dialogs behind them belong to
// the main window, which owns the popups; the page only shows what the profile assigns.
#include <array>

#include "pages/button_page.h"
#include "pages/pages.h"

namespace pelorin {
namespace {

constexpr std::array<int, button_combo::kLast - button_combo::kFirst + 1> kRows = {
    81, 111, 140, 169, 198, 227, 256, 285, 314};
constexpr std::array<const char*, kRows.size()> kNumbers = {
    "skins\\mouse\\serial_number1.png", "skins\\mouse\\serial_number2.png",
    "skins\\mouse\\serial_number3.png", "skins\\mouse\\serial_number4.png",
    "skins\\mouse\\serial_number5.png", "skins\\mouse\\serial_number6.png",
    "skins\\mouse\\serial_number7.png", "skins\\mouse\\serial_number8.png",
    "skins\\mouse\\serial_number9.png"};
constexpr std::size_t kRowsShown = button_combo::kBound;

constexpr std::array<ControlRow, 2 * kRowsShown> comboTable() {
  std::array<ControlRow, 2 * kRowsShown> table{};
  for (std::size_t k = 0; k < kRowsShown; ++k) {
    const int top = kRows[k];
    table[2 * k] = {3400, ControlKind::Picture, {52, top + 1, 73, top + 20}, {kNumbers[k]}};
    table[2 * k + 1] = {button_combo::kFirst + static_cast<int>(k),
                        ControlKind::Combo,
                        {82, top, 244, top + 21},
                        {"skins\\combo2_nr.png", "skins\\combo2_ov.png"},
                        kNoText,
                        u"Disable",
                        button_combo::kMessage};
  }
  return table;
}

constexpr auto kComboTable = comboTable();

class ButtonComboArea final : public Page {
 public:
  ButtonComboArea() : Page(kComboTable) {}
  void refresh(const ProfileRecord& profile) override {
    for (int k = 0; k < button_combo::kBound; ++k) {
      control(button_combo::kFirst + k)->setText(profile.keys[static_cast<std::size_t>(k)].Name);
    }
  }
};

}  // namespace

std::unique_ptr<Page> makeButtonComboArea() {
  return std::make_unique<ButtonComboArea>();
}

}  // namespace pelorin
