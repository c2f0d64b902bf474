#include "skin/color_select_check_button.h"

#include "skin/color_select_button.h"

namespace pelorin {

void CColorSelectCheckButton::setColour(Colour colour) {
  if (colour == colour_) return;
  colour_ = colour;
  invalidate();
}

void CColorSelectCheckButton::setSelected(bool selected) {
  if (selected == selected_) return;
  selected_ = selected;
  invalidate();
}

void CColorSelectCheckButton::draw(Canvas& canvas, const Rect& clip) {
  canvas.fillRect(swatchArea(rect(), context().scale), colour_);
  CSkinButton::draw(canvas, clip);
}

bool CColorSelectCheckButton::onLButtonDblClk(unsigned, int, int) {
  if (!disabled()) notify(notify::kDoubleClick);
  return false;
}

}  // namespace pelorin
