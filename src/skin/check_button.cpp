#include "skin/check_button.h"

namespace pelorin {

void CCheckButton::setChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  invalidate();
}

void CCheckButton::setCheckedText(std::u16string text) {
  if (text == checkedText_) return;
  checkedText_ = std::move(text);
  if (checked_) invalidate();
}

void CCheckButton::clicked() {
  checked_ = !checked_;
  notify(notify::kClicked);
}

std::u16string_view CCheckButton::caption() const {
  if (checked_ && !checkedText_.empty()) return checkedText_;
  return text();
}

}  // namespace pelorin
