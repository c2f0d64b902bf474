#include "app/shortcut_dlg.h"

#include <array>

#include "app/button_messages.h"
#include "app/dialog_parts.h"
#include "keys/key_name_table.h"
#include "lang/text_ids.h"
#include "platform/text_format.h"
#include "skin/notify_code.h"

namespace pelorin {
namespace {

struct ModifierBox {
  int id;
  int left;
  std::u16string_view caption;
};
constexpr std::array<ModifierBox, 4> kModifierBoxes = {{{CShortcutDlg::kShift, 25, u"Shift"},
                                                        {CShortcutDlg::kCtrl, 82, u"Ctrl"},
                                                        {CShortcutDlg::kAlt, 139, u"Alt"},
                                                        {CShortcutDlg::kWin, 196, u"Win"}}};
constexpr int kBoxTop = 72;
constexpr int kBoxSize = 11;
constexpr int kCaptionWidth = 40;
// Level with the OK and Cancel buttons: the frame ends at 140, so lower would be out of sight.
constexpr Rect kModifiersOffBox{22, 114, 33, 125};

}  // namespace

CShortcutDlg::CShortcutDlg(SkinContext& context, const LanguageTable& texts,
                           std::unique_ptr<KeyboardHook> hook, WindowId owner, int combo)
    : CDlgBase(context, Size{static_cast<int>(kDesignSize.width * context.scale),
                             static_cast<int>(kDesignSize.height * context.scale)}),
      texts_(texts),
      hook_(std::move(hook)),
      owner_(owner),
      combo_(combo) {}

CShortcutDlg::~CShortcutDlg() {
  if (hook_) hook_->stop();
}

void CShortcutDlg::onInitDialog() {
  const SkinContext& skin = context();
  const WindowId self = windowId();
  addControl(0, makeLabel(skin, self, kTitle, {20, 3, 230, 27}, texts_[text_id::kShortcutDialog],
                          text::kLeft));
  addControl(0, makeExitButton(skin, self, kExit, {405, 4, 420, 19}));
  addControl(0, makeLabel(skin, self, kKeyName, {25, 35, 183, 57}, {}, text::kLeft, true));
  for (const auto& box : kModifierBoxes) {
    addControl(0, makeCheckBox(skin, self, box.id,
                               {box.left, kBoxTop, box.left + kBoxSize, kBoxTop + kBoxSize}));
    addControl(0, makeLabel(skin, self, 0,
                            {box.left + kBoxSize + 3, kBoxTop - 4,
                             box.left + kBoxSize + kCaptionWidth, kBoxTop + kBoxSize + 4},
                            std::u16string(box.caption), text::kLeft));
  }
  addControl(0, makeCheckBox(skin, self, kModifiersOff, kModifiersOffBox));
  addControl(0, makeTextButton(skin, self, kOk, {260, 110, 329, 130}, texts_[text_id::kOk]));
  addControl(
      0, makeTextButton(skin, self, kCancelButton, {350, 110, 419, 130}, texts_[text_id::kCancel]));
  loadBackground("skins\\Frame_common.bmp");
  if (hook_) hook_->start(self);
}

bool CShortcutDlg::isChecked(int id) const {
  const auto* box = dynamic_cast<const CCheckButton*>(findControl(id));
  return box != nullptr && box->checked();
}

void CShortcutDlg::capture(int virtualKey) {
  const int next = captureShortcutKey(captured_, virtualKey);
  if (next == captured_) return;
  captured_ = next;
  findControl(kKeyName)->setText(std::u16string(KeyNameTable::name(captured_)));
}

std::intptr_t CShortcutDlg::handleMessage(const Message& message) {
  if (message.id == msg::kHookKey) {
    if ((static_cast<std::uint32_t>(message.lParam) & kHookReleaseBit) == 0) {
      capture(static_cast<int>(message.wParam));
    }
    return 0;
  }
  if (message.lParam != notify::kClicked) return 0;
  if (message.id == kModifiersOff) {
    const bool off = isChecked(kModifiersOff);
    for (const auto& box : kModifierBoxes) findControl(box.id)->setDisabled(off);
  } else if (message.id == kOk) {
    confirm();
  } else if (message.id == kCancelButton || message.id == kExit) {
    close(kCancel);
  }
  return 0;
}

// Without a hook the dialog's own keys are the capture; either way no key closes the dialog.
bool CShortcutDlg::onDialogKey(const KeyEvent& key) {
  if (key.down && (!hook_ || !hook_->running())) capture(key.virtualKey);
  return true;
}

void CShortcutDlg::confirm() {
  const ShortcutBoxes boxes{isChecked(kModifiersOff), isChecked(kCtrl), isChecked(kShift),
                            isChecked(kAlt), isChecked(kWin)};
  const SelectionRecord record = shortcutSelection(boxes, captured_);
  if (!record.caption.empty()) {
    context().host.send(
        owner_,
        Message{button_msg::kShortcutChosen, combo_, reinterpret_cast<std::intptr_t>(&record), {}});
  }
  close(1);
}

void CShortcutDlg::close(int result) {
  if (hook_) hook_->stop();
  releaseAll();
  endDialog(result);
}

}  // namespace pelorin
