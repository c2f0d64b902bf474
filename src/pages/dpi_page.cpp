// The DPI group: eight levels of bar, caption, enable box and colour, each level 38 design
// pixels right of the one before. These keep their creation places whatever the layout does.
#include <array>

#include "pages/pages.h"

namespace pelorin {
namespace {

constexpr int kLevels = 8;
constexpr int kLevelStep = 38;

constexpr std::array<ControlRow, 5> kLevelOne = {{
    {3280,
     ControlKind::LevelBar,
     {900, 75, 907, 207},
     {"skins\\mouse\\dpi_bar_1.png", "skins\\mouse\\dpi_bar_2.png"}},
    {3300,
     ControlKind::LevelValue,
     {900, 75, 907, 207},
     {"skins\\mouse\\dpi_bar_1.png", "skins\\mouse\\dpi_bar_2.png"}},
    {3290, ControlKind::DpiCaption, {891, 212, 917, 223}, {"skins\\dpi_value.png"}},
    {3260,
     ControlKind::Check,
     {898, 226, 909, 237},
     {"skins\\check_button_dpi_nr.png", "skins\\check_button_dpi_ov.png",
      "skins\\check_button_dpi_dn.png"}},
    {3270, ControlKind::ColourButton, {891, 240, 917, 252}},
}};

constexpr std::array<ControlRow, kLevels * kLevelOne.size()> levelTable() {
  std::array<ControlRow, kLevels * kLevelOne.size()> table{};
  std::size_t next = 0;
  for (const auto& first : kLevelOne) {
    for (int k = 0; k < kLevels; ++k) {
      ControlRow row = first;
      row.id += k;
      const int dx = kLevelStep * k;
      row.rect = {first.rect.left + dx, first.rect.top, first.rect.right + dx, first.rect.bottom};
      table[next++] = row;
    }
  }
  return table;
}

constexpr auto kDpiTable = levelTable();

}  // namespace

std::unique_ptr<Page> makeDpiPage() {
  return std::make_unique<Page>(kDpiTable);
}

}  // namespace pelorin
