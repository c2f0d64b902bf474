#include "skin/dpi_value_show_control.h"

#include <algorithm>

#include "skin/notify_code.h"
#include "skin/skin_images.h"

namespace pelorin {

CDPIValueShowControl::CDPIValueShowControl(const SkinContext& context, WindowId parent, int id,
                                           const Rect& rect)
    : CControlBase(context, parent, id, rect) {}

void CDPIValueShowControl::loadBar(std::string_view trackFile, std::string_view fillFile) {
  track_ = loadSkinImage(context(), trackFile);
  fill_ = loadSkinImage(context(), fillFile);
}

void CDPIValueShowControl::setStepCount(int count) {
  count_ = std::max(1, count);
  setStepIndex(index_);
}

void CDPIValueShowControl::setStepIndex(int index) {
  const int clamped = std::clamp(index, 0, count_ - 1);
  if (clamped == index_) return;
  index_ = clamped;
  invalidate();
}

int CDPIValueShowControl::fillTop() const {
  const long long filled = static_cast<long long>(rect().height()) * (index_ + 1) / count_;
  return rect().bottom - static_cast<int>(filled);
}

void CDPIValueShowControl::draw(Canvas& canvas, const Rect&) {
  const Rect& r = rect();
  if (track_ != nullptr) canvas.drawImage(*track_, r);
  if (fill_ == nullptr || r.height() <= 0) return;
  const int top = fillTop();
  const int sourceTop = (top - r.top) * fill_->height() / r.height();
  canvas.drawImage(*fill_, Rect{r.left, top, r.right, r.bottom},
                   Rect{0, sourceTop, fill_->width(), fill_->height()});
}

bool CDPIValueShowControl::onLButtonDown(unsigned, int x, int y) {
  pressed_ = rect().contains(x, y);
  if (pressed_) notify(notify::kPressed);
  return false;
}

bool CDPIValueShowControl::onLButtonUp(unsigned, int x, int y) {
  const bool click = pressed_ && rect().contains(x, y);
  pressed_ = false;
  if (click) notify(notify::kClicked);
  return false;
}

int CDPIValueShowControl::resetPressed(int) {
  pressed_ = false;
  return 0;
}

void CDPIValueShowControl::releaseImages() {
  track_.reset();
  fill_.reset();
}

}  // namespace pelorin
