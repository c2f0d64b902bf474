#include "pages/profile_slot_button.h"

namespace pelorin {

namespace {
constexpr int kCaptionMargin = 12;
constexpr Colour kCurrentText = 0xFFFFFF;
}  // namespace

CProfileSlotButton::CProfileSlotButton(const SkinContext& context, WindowId parent, int id,
                                       const Rect& rect)
    : CSkinButton(context, parent, id, rect,
                  CaptionStyle{text::kLeft, static_cast<int>(kCaptionMargin * context.scale), 0}) {}

void CProfileSlotButton::loadCurrentImages(std::string_view normal, std::string_view over) {
  currentImages_.loadNormal(context(), normal);
  currentImages_.loadOver(context(), over);
}

void CProfileSlotButton::setCurrent(bool current) {
  if (current == current_) return;
  current_ = current;
  invalidate();
}

void CProfileSlotButton::draw(Canvas& canvas, const Rect& clip) {
  if (!current_ || !currentImages_.hasAny()) {
    CSkinButton::draw(canvas, clip);
    return;
  }
  if (!visible()) return;
  currentImages_.drawLook(canvas, rect(),
                          state() == ButtonState::Normal ? ButtonState::Normal : ButtonState::Over);
  drawCaption(canvas, caption(), textColour());
}

bool CProfileSlotButton::onRButtonUp(unsigned, int x, int y) {
  if (rect().contains(x, y)) notify(notify::kRightClick);
  return false;
}

void CProfileSlotButton::releaseImages() {
  CSkinButton::releaseImages();
  currentImages_.release();
}

Colour CProfileSlotButton::textColour() const {
  return current_ ? kCurrentText : CSkinButton::textColour();
}

}  // namespace pelorin
