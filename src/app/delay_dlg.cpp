#include "app/delay_dlg.h"

#include <algorithm>

#include "keys/decimal_text.h"
#include "lang/text_ids.h"
#include "skin/skin_edit.h"

namespace pelorin {

void warnAboutNonDigits(std::u16string_view typed, const MacroMessage& message) {
  for (char16_t c : typed) {
    if ((c < u'0' || c > u'9') && message) message(text_id::kNumbersOnly, false);
  }
}

CActionTimeModifyDlg::CActionTimeModifyDlg(SkinContext& context, const LanguageTable& texts,
                                           MacroAction& action, MacroMessage message)
    : CMacroValueDlg(context, texts, texts[text_id::kDelayMs]),
      action_(action),
      message_(std::move(message)) {}

void CActionTimeModifyDlg::onInitDialog() {
  CMacroValueDlg::onInitDialog();
  edit_ = addEdit(decimalText(action_.delayMs()));
}

void CActionTimeModifyDlg::onText(std::u16string_view text) {
  CMacroValueDlg::onText(text);
  warnAboutNonDigits(text, message_);
}

void CActionTimeModifyDlg::confirm() {
  const std::int64_t typed =
      std::clamp<std::int64_t>(leadingDecimal(edit_->text()), 0, kMaxDelayMs);
  action_ = MacroAction::delay(static_cast<std::uint32_t>(typed));
  endDialog(kConfirmed);
}

}  // namespace pelorin
