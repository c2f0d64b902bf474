#include "skin/combo_button.h"

namespace pelorin {

CComboButton::CComboButton(const SkinContext& context, WindowId parent, int id, const Rect& rect,
                           unsigned popupMessage, CaptionStyle style)
    : CSkinButton(context, parent, id, rect, style), popupMessage_(popupMessage) {}

void CComboButton::setLocked(bool locked) {
  if (locked == locked_) return;
  locked_ = locked;
  invalidate();
}

void CComboButton::setPopupOpen(bool open) {
  if (open == popupOpen_) return;
  popupOpen_ = open;
  invalidate();
}

ButtonState CComboButton::look() const {
  if (popupOpen_ && state() == ButtonState::Normal) return ButtonState::Over;
  return state();
}

std::u16string_view CComboButton::caption() const {
  return text().empty() ? kEmptyCaption : std::u16string_view(text());
}

void CComboButton::draw(Canvas& canvas, const Rect& clip) {
  if (!locked_ || !images().hasStrip()) {
    CSkinButton::draw(canvas, clip);
    return;
  }
  const bool over = look() != ButtonState::Normal;
  images().drawFrame(canvas, rect(), over ? kLockedOverFrame : kLockedNormalFrame);
  drawCaption(canvas, caption(), textColour());
}

bool CComboButton::onMouseMove(unsigned flags, int x, int y) {
  const bool repaint = CSkinButton::onMouseMove(flags, x, y);
  if (disabled()) return repaint;
  if (rect().contains(x, y)) {
    if (hoverNotices_ < kHoverNotices) {
      ++hoverNotices_;
      sendPopupMessage(notify::kPointerEntered);
    }
  } else if (hoverNotices_ > 0) {
    hoverNotices_ = 0;
    if (!popupOpen_) sendPopupMessage(notify::kPointerLeft);
  }
  return repaint;
}

bool CComboButton::onLButtonDown(unsigned flags, int x, int y) {
  return !locked_ && CSkinButton::onLButtonDown(flags, x, y);
}

bool CComboButton::onLButtonUp(unsigned flags, int x, int y) {
  return !locked_ && CSkinButton::onLButtonUp(flags, x, y);
}

bool CComboButton::onRButtonUp(unsigned, int x, int y) {
  if (!locked_ && !disabled() && rect().contains(x, y)) sendPopupMessage(notify::kRightClick);
  return false;
}

void CComboButton::sendPopupMessage(int code) const {
  context().host.send(parent(), Message{popupMessage_, id(), code, {}});
}

}  // namespace pelorin
