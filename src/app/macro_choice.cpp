#include "app/macro_choice.h"

#include "app/dialog_parts.h"
#include "lang/text_ids.h"
#include "pages/page.h"
#include "platform/text_format.h"
#include "skin/notify_code.h"

namespace pelorin {
namespace {

constexpr Size kDesignSize{528, 365};
constexpr int kTitle = 2025;
constexpr int kExit = 2004;
constexpr int kFirstRow = 2100;
constexpr int kRowTop = 45;
constexpr int kRowHeight = 20;
constexpr int kRowsShown = 15;
constexpr int kRowLeft = 30;
constexpr int kRowRight = 498;

void addRows(const std::vector<LibraryItem>& items, const std::u16string& prefix,
             std::vector<MacroChoiceRow>& rows) {
  for (const LibraryItem& item : items) {
    if (item.isFree()) break;
    if (item.isMacro()) rows.push_back({prefix + item.name, item.macro.get()});
    if (item.isFolder != 0) addRows(item.children, prefix + item.name + u"/", rows);
  }
}

class CMacroChoiceDlg final : public CDlgBase {
 public:
  CMacroChoiceDlg(SkinContext& context, const LanguageTable& texts,
                  std::vector<MacroChoiceRow> rows, std::u16string_view current)
      : CDlgBase(context, Size{static_cast<int>(kDesignSize.width * context.scale),
                               static_cast<int>(kDesignSize.height * context.scale)}),
        texts_(texts),
        rows_(std::move(rows)),
        current_(current) {}

  std::optional<MacroKey> chosen;

 protected:
  void onInitDialog() override {
    const SkinContext& skin = context();
    addControl(0, makeLabel(skin, windowId(), kTitle, {20, 3, 300, 27}, texts_[text_id::kMacros],
                            text::kLeft));
    addControl(0, makeExitButton(skin, windowId(), kExit, {504, 4, 519, 19}));
    const int shown = std::min(static_cast<int>(rows_.size()), kRowsShown);
    for (int k = 0; k < shown; ++k) {
      const MacroChoiceRow& row = rows_[static_cast<std::size_t>(k)];
      const int top = kRowTop + k * kRowHeight;
      auto button = std::make_unique<CImageButton>(
          skin, windowId(), kFirstRow + k,
          scaledRect({kRowLeft, top, kRowRight, top + kRowHeight}, skin.scale),
          CaptionStyle{text::kLeft, static_cast<int>(8 * skin.scale), 0});
      button->loadNormalImage(row.macro->name == current_ ? "skins\\menu_ov.png"
                                                          : "skins\\menu_nr.png");
      button->loadOverImage("skins\\menu_ov.png");
      button->setFont(skin.uiFont);
      button->setText(row.caption);
      addControl(0, std::move(button));
    }
    loadBackground("skins\\Frame_Macro_Manager.bmp");
  }

  std::intptr_t handleMessage(const Message& message) override {
    if (message.lParam != notify::kClicked) return 0;
    const auto row = static_cast<std::size_t>(static_cast<int>(message.id) - kFirstRow);
    if (row < rows_.size()) chosen = *rows_[row].macro;
    if (row < rows_.size() || message.id == kExit) {
      releaseAll();
      endDialog(chosen ? 1 : kCancel);
    }
    return 0;
  }

  bool onDialogKey(const KeyEvent&) override { return true; }

 private:
  const LanguageTable& texts_;
  std::vector<MacroChoiceRow> rows_;
  std::u16string current_;
};

}  // namespace

std::vector<MacroChoiceRow> macroChoiceRows(const MacroLibrary& library) {
  std::vector<MacroChoiceRow> rows;
  addRows(library.topLevel(), {}, rows);
  return rows;
}

std::optional<MacroKey> chooseMacro(SkinContext& context, const LanguageTable& texts,
                                    WindowId owner, const MacroLibrary& library,
                                    std::u16string_view currentName) {
  CMacroChoiceDlg dialog(context, texts, macroChoiceRows(library), currentName);
  dialog.doModal(WindowKind::Modal, owner);
  return dialog.chosen;
}

}  // namespace pelorin
