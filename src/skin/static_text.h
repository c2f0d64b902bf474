#pragma once
// A label: its caption in a fixed colour, never taking the mouse.
#include "platform/text_format.h"
#include "skin/control_base.h"

namespace pelorin {

class CStaticText : public CControlBase {
 public:
  // flags: text::kLeft, kCenter or kRight, plus any other layout flags the owner wants.
  CStaticText(const SkinContext& context, WindowId parent, int id, const Rect& rect,
              std::u16string caption, Colour colour, unsigned flags);

  // Repaints only when the colour changes, as setText does for the text.
  void setColour(Colour colour);
  Colour colour() const { return colour_; }
  unsigned flags() const { return flags_; }
  bool captionWraps() const override { return (flags_ & text::kWordBreak) != 0; }

  void draw(Canvas& canvas, const Rect& clip) override;

 private:
  Colour colour_;
  unsigned flags_;
};

}  // namespace pelorin
