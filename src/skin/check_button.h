#pragma once
// A button that keeps a checked flag, toggled by each click, and shows a second caption while
// checked (the record button reads "Stop" while it records).
#include <string>

#include "skin/skin_button.h"

namespace pelorin {

class CCheckButton : public CSkinButton {
 public:
  using CSkinButton::CSkinButton;

  bool checked() const { return checked_; }
  void setChecked(bool checked);
  // Empty: the unchecked caption stays while checked, as group headers want.
  void setCheckedText(std::u16string text);

 protected:
  ButtonState look() const override { return checked_ ? ButtonState::Down : state(); }
  // The owner reads the new value when the click reaches it.
  void clicked() override;
  std::u16string_view caption() const override;

 private:
  bool checked_ = false;
  std::u16string checkedText_;
};

}  // namespace pelorin
