#include "skin/control_base.h"

namespace pelorin {

CControlBase::CControlBase(const SkinContext& context, WindowId parent, int id, const Rect& rect)
    : context_(context), parent_(parent), id_(id), rect_(rect), font_(context.uiFont) {
  font_.weight = 400;
}

void CControlBase::draw(Canvas&, const Rect&) {}

int CControlBase::resetPressed(int) {
  return 0;
}

void CControlBase::setText(std::u16string text) {
  if (text == text_) return;
  text_ = std::move(text);
  invalidate();
}

bool CControlBase::onMouseMove(unsigned, int, int) {
  return false;
}
bool CControlBase::onLButtonDown(unsigned, int, int) {
  return false;
}
bool CControlBase::onLButtonUp(unsigned, int, int) {
  return false;
}
bool CControlBase::onRButtonUp(unsigned, int, int) {
  return false;
}
bool CControlBase::onLButtonDblClk(unsigned, int, int) {
  return false;
}

std::intptr_t CControlBase::notify(int code, std::intptr_t wParam) const {
  return context_.host.send(parent_, Message{static_cast<unsigned>(id_), wParam, code, {}});
}

void CControlBase::invalidate() const {
  if (Window* window = context_.host.find(parent_)) window->invalidate(rect_);
}

}  // namespace pelorin
