#pragma once
// A swatch of one colour, as the DPI levels show their indicator colours; a click lets the
// owner pick another colour.
#include "skin/skin_button.h"

namespace pelorin {

class CColorSelectButton : public CSkinButton {
 public:
  using CSkinButton::CSkinButton;

  Colour colour() const { return colour_; }
  void setColour(Colour colour);
  void draw(Canvas& canvas, const Rect& clip) override;

 private:
  Colour colour_ = 0;
};

// The swatch area inside a frame of one scaled pixel, where the frame shows the look.
Rect swatchArea(const Rect& rect, float scale);

}  // namespace pelorin
