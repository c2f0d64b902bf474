#include "skin/static_text.h"

#include "platform/text_format.h"

namespace pelorin {

CStaticText::CStaticText(const SkinContext& context, WindowId parent, int id, const Rect& rect,
                         std::u16string caption, Colour colour, unsigned flags)
    : CControlBase(context, parent, id, rect), colour_(colour), flags_(flags) {
  // A label only shows: the dialog routes no input to it and a press on it drags the window,
  // as a dialog's title label must.
  setDisabled(true);
  setHoverable(false);
  setHitTestable(false);
  setText(std::move(caption));
}

void CStaticText::setColour(Colour colour) {
  if (colour == colour_) return;
  colour_ = colour;
  invalidate();
}

void CStaticText::draw(Canvas& canvas, const Rect&) {
  canvas.drawText(text(), rect(), font(), colour_, flags_ | text::kWordEllipsis | text::kVCenter);
}

}  // namespace pelorin
