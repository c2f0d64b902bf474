#include "skin/color_select_button.h"

#include <algorithm>

namespace pelorin {

Rect swatchArea(const Rect& rect, float scale) {
  const int inset = std::max(1, static_cast<int>(scale));
  return Rect{rect.left + inset, rect.top + inset, rect.right - inset, rect.bottom - inset};
}

void CColorSelectButton::setColour(Colour colour) {
  if (colour == colour_) return;
  colour_ = colour;
  invalidate();
}

void CColorSelectButton::draw(Canvas& canvas, const Rect&) {
  canvas.fillRect(rect(), captionColour(look()));
  canvas.fillRect(swatchArea(rect(), context().scale), colour_);
}

}  // namespace pelorin
