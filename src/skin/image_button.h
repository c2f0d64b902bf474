#pragma once
// The plain push button: a strip of three frames or separate normal and over pictures, with an
// optional caption.
#include "skin/skin_button.h"

namespace pelorin {

class CImageButton : public CSkinButton {
 public:
  // The profile button, whose owner follows the pointer over it to show a hint.
  static constexpr int kProfileButtonId = 3502;
  // Sent by the profile button on every move inside it while it is not held.
  static constexpr int kPointerMoved = 12;

  using CSkinButton::CSkinButton;

  bool onMouseMove(unsigned flags, int x, int y) override;

 protected:
  // Owners that share one handler among several buttons read the id from wParam.
  void clicked() override { notify(notify::kClicked, id()); }
};

}  // namespace pelorin
