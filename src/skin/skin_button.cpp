#include "skin/skin_button.h"

namespace pelorin {

CSkinButton::CSkinButton(const SkinContext& context, WindowId parent, int id, const Rect& rect,
                         CaptionStyle style)
    : CControlBase(context, parent, id, rect), style_(style) {}

bool CSkinButton::loadNormalImage(std::string_view fileName) {
  return images_.loadNormal(context(), fileName);
}

bool CSkinButton::loadOverImage(std::string_view fileName) {
  return images_.loadOver(context(), fileName);
}

bool CSkinButton::loadDownImage(std::string_view fileName) {
  return images_.loadDown(context(), fileName);
}

bool CSkinButton::loadStripImage(std::string_view fileName, int frames) {
  return images_.loadStrip(context(), fileName, frames);
}

bool CSkinButton::loadStripResource(int resourceId, int frames) {
  return images_.loadStripResource(context(), resourceId, frames);
}

void CSkinButton::draw(Canvas& canvas, const Rect&) {
  images_.draw(canvas, rect(), look());
  drawCaption(canvas, caption(), textColour());
}

Rect CSkinButton::captionArea() const {
  Rect area = rect();
  area.left += style_.leftMargin;
  area.right -= style_.rightMargin;
  return area;
}

void CSkinButton::drawCaption(Canvas& canvas, std::u16string_view text, Colour colour) const {
  if (text.empty()) return;
  const Rect area = captionArea();
  const unsigned flags = style_.align | text::kSingleLine | text::kVCenter | text::kWordEllipsis;
  canvas.drawText(text, area, font(), colour, flags);
}

bool CSkinButton::setState(ButtonState state) {
  if (state == state_) return false;
  state_ = state;
  return true;
}

int CSkinButton::resetPressed(int state) {
  if (state >= 0 && state <= static_cast<int>(ButtonState::Down) &&
      setState(static_cast<ButtonState>(state))) {
    invalidate();
  }
  return 0;
}

bool CSkinButton::onMouseMove(unsigned, int x, int y) {
  // A held button keeps its down look until the release decides between click and cancel.
  if (disabled() || state_ == ButtonState::Down) return false;
  return setState(rect().contains(x, y) ? ButtonState::Over : ButtonState::Normal);
}

bool CSkinButton::onLButtonDown(unsigned, int x, int y) {
  if (disabled() || !rect().contains(x, y)) return false;
  setState(ButtonState::Down);
  pressed();
  return true;
}

bool CSkinButton::onLButtonUp(unsigned, int x, int y) {
  if (disabled()) return false;
  if (!rect().contains(x, y)) return setState(ButtonState::Normal);
  setState(ButtonState::Over);
  clicked();
  return true;
}

}  // namespace pelorin
