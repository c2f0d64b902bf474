#include "app/key_capture_dlg.h"

#include "keys/key_name_table.h"
#include "lang/text_ids.h"
#include "macro/macro_editor.h"
#include "skin/static_text.h"

namespace pelorin {

CActionKeyModifyDlg::CActionKeyModifyDlg(SkinContext& context, const LanguageTable& texts,
                                         std::unique_ptr<KeyboardHook> hook, MacroAction& action)
    : CMacroValueDlg(context, texts, texts[text_id::kPressAKey]),
      hook_(std::move(hook)),
      action_(action),
      key_(action.b0) {}

CActionKeyModifyDlg::~CActionKeyModifyDlg() {
  stopHook();
}

void CActionKeyModifyDlg::onInitDialog() {
  CMacroValueDlg::onInitDialog();
  value_ = addValueText(std::u16string(KeyNameTable::name(key_)));
  if (hook_) hook_->start(windowId());
}

void CActionKeyModifyDlg::stopHook() {
  if (hook_) hook_->stop();
}

void CActionKeyModifyDlg::confirm() {
  action_.b0 = key_;
  stopHook();
  endDialog(kConfirmed);
}

void CActionKeyModifyDlg::cancel() {
  stopHook();
  endDialog(kCancel);
}

std::intptr_t CActionKeyModifyDlg::handleOther(const Message& message) {
  if (message.id != msg::kHookKey) return 0;
  const auto key = static_cast<std::uint8_t>(message.wParam & 0xFF);
  // A key without a keyboard usage would play as nothing: the field says so and the last
  // playable key stays the candidate.
  if (!isPlayableKey(key)) {
    value_->setText(texts()[text_id::kKeyNotPlayable]);
    return 0;
  }
  key_ = key;
  value_->setText(std::u16string(KeyNameTable::name(key_)));
  return 0;
}

}  // namespace pelorin
