#include "app/move_dlg.h"

#include <algorithm>
#include <cstdlib>

#include "app/delay_dlg.h"
#include "keys/decimal_text.h"
#include "lang/text_ids.h"
#include "skin/skin_edit.h"

namespace pelorin {
namespace {

int titleOf(InsertItem direction) {
  switch (direction) {
    case InsertItem::MoveLeft:
      return text_id::kMoveLeftRange;
    case InsertItem::MoveRight:
      return text_id::kMoveRightRange;
    case InsertItem::MoveUp:
      return text_id::kMoveUpRange;
    default:
      return text_id::kMoveDownRange;
  }
}

}  // namespace

CActionXYModifyDlg::CActionXYModifyDlg(SkinContext& context, const LanguageTable& texts,
                                       MacroAction& action, InsertItem direction,
                                       MacroMessage message)
    : CMacroValueDlg(context, texts, texts[titleOf(direction)]),
      action_(action),
      direction_(direction),
      message_(std::move(message)) {}

void CActionXYModifyDlg::onInitDialog() {
  CMacroValueDlg::onInitDialog();
  edit_ = addEdit(decimalText(std::abs(action_.step())));
}

void CActionXYModifyDlg::onText(std::u16string_view text) {
  CMacroValueDlg::onText(text);
  warnAboutNonDigits(text, message_);
}

void CActionXYModifyDlg::confirm() {
  const auto step =
      static_cast<int>(std::clamp<std::int64_t>(leadingDecimal(edit_->text()), 1, kMaxStep));
  const bool horizontal = direction_ == InsertItem::MoveLeft || direction_ == InsertItem::MoveRight;
  const bool negative = direction_ == InsertItem::MoveLeft || direction_ == InsertItem::MoveUp;
  action_ = MacroAction::move(horizontal ? macro_code::kMoveX : macro_code::kMoveY,
                              negative ? -step : step);
  endDialog(kConfirmed);
}

}  // namespace pelorin
