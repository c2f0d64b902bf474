#pragma once
// A colour slot of the lighting page: the slot's colour under a skin picture, with a selected
// flag that shows the marked picture. A double click is passed on for the palette.
#include "skin/skin_button.h"

namespace pelorin {

class CColorSelectCheckButton : public CSkinButton {
 public:
  using CSkinButton::CSkinButton;

  Colour colour() const { return colour_; }
  void setColour(Colour colour);
  bool selected() const { return selected_; }
  void setSelected(bool selected);
  void draw(Canvas& canvas, const Rect& clip) override;
  bool onLButtonDblClk(unsigned flags, int x, int y) override;

 protected:
  // Selected shows as down; with only two pictures that is the over one, the mark.
  ButtonState look() const override { return selected_ ? ButtonState::Down : state(); }

 private:
  Colour colour_ = 0;
  bool selected_ = false;
};

}  // namespace pelorin
