#pragma once
// A button that opens a popup: its clicks and its hover reach the owner through the popup
// message, so one handler serves a whole row of combos (wParam names the combo). A locked combo
// shows its locked frames and cannot be opened.
#include <string_view>

#include "skin/skin_button.h"

namespace pelorin {

class CComboButton : public CSkinButton {
 public:
  // Pointer-entered notices sent per visit, so the owner's hint is not redrawn on every move.
  static constexpr int kHoverNotices = 5;
  // Strip frames of the locked looks, after normal, over and down.
  static constexpr int kLockedNormalFrame = 3;
  static constexpr int kLockedOverFrame = 4;
  // Shown while no function has been chosen.
  static constexpr std::u16string_view kEmptyCaption = u"Disable";

  CComboButton(const SkinContext& context, WindowId parent, int id, const Rect& rect,
               unsigned popupMessage, CaptionStyle style = {});

  bool locked() const { return locked_; }
  void setLocked(bool locked);
  // Set by the owner while the combo's popup is open: over colours, and no pointer-left notice.
  bool popupOpen() const { return popupOpen_; }
  void setPopupOpen(bool open);

  void draw(Canvas& canvas, const Rect& clip) override;
  bool onMouseMove(unsigned flags, int x, int y) override;
  bool onLButtonDown(unsigned flags, int x, int y) override;
  bool onLButtonUp(unsigned flags, int x, int y) override;
  // Reaches the owner as the popup message with the right-click code.
  bool onRButtonUp(unsigned flags, int x, int y) override;

 protected:
  ButtonState look() const override;
  void clicked() override { sendPopupMessage(notify::kClicked); }
  std::u16string_view caption() const override;

 private:
  void sendPopupMessage(int code) const;

  unsigned popupMessage_;
  bool locked_ = false;
  bool popupOpen_ = false;
  // Pointer-entered notices sent since the pointer came in; 0 while it is outside.
  int hoverNotices_ = 0;
};

}  // namespace pelorin
