#include "skin/slider_control.h"

#include <algorithm>

#include "skin/notify_code.h"
#include "skin/skin_images.h"
#include "skin/slider_stops.h"
#include "skin/strip_frame.h"

namespace pelorin {

namespace {
constexpr int kThumbFrames = 3;
}  // namespace

CSliderControl::CSliderControl(const SkinContext& context, WindowId parent, int id,
                               const Rect& rect)
    : CControlBase(context, parent, id, rect) {}

void CSliderControl::loadThumb(std::string_view fileName) {
  thumb_ = loadSkinImage(context(), fileName);
}

void CSliderControl::setStops(std::vector<int> stops) {
  stops_ = std::move(stops);
  setPosition(position_);
}

void CSliderControl::setStopCount(int count) {
  setStops(evenStops(count, lowExtent(), std::max(lowExtent(), length() - highExtent())));
}

void CSliderControl::setPosition(int index) {
  position_ = std::clamp(index, 0, std::max(0, stopCount() - 1));
  invalidate();
}

int CSliderControl::offsetOf(int x, int) const {
  return x - rect().left;
}

int CSliderControl::length() const {
  return rect().width();
}

int CSliderControl::thickness() const {
  return rect().height();
}

Rect CSliderControl::thumbAround(int stop) const {
  return Rect{rect().left + stop - lowExtent(), rect().top, rect().left + stop + highExtent(),
              rect().bottom};
}

Rect CSliderControl::thumbRect() const {
  if (stops_.empty()) return Rect{};
  return thumbAround(stops_[static_cast<std::size_t>(position_)]);
}

bool CSliderControl::onMouseMove(unsigned, int x, int y) {
  const bool wasOnThumb = onThumb_;
  onThumb_ = thumbRect().contains(x, y);
  if (!dragging_) return onThumb_ != wasOnThumb;
  const int offset = std::clamp(offsetOf(x, y), 0, std::max(0, length() - 1));
  position_ = stopIndexAt(stops_, offset);
  notify(notify::kDragged, position_);
  return true;
}

bool CSliderControl::onLButtonDown(unsigned, int x, int y) {
  if (!rect().contains(x, y)) return false;
  pressed_ = true;
  dragging_ = thumbRect().contains(x, y);
  notify(notify::kPressed);
  return true;
}

bool CSliderControl::onLButtonUp(unsigned, int, int) {
  if (!pressed_) return false;
  pressed_ = false;
  dragging_ = false;
  notify(notify::kClicked);
  return true;
}

int CSliderControl::resetPressed(int) {
  if (pressed_ || dragging_) invalidate();
  pressed_ = false;
  dragging_ = false;
  return 0;
}

void CSliderControl::releaseImages() {
  thumb_.reset();
}

void CSliderControl::drawThumb(Canvas& canvas) const {
  if (thumb_ == nullptr || stops_.empty()) return;
  const int frame = dragging_ ? 2 : onThumb_ ? 1 : 0;
  drawStripFrame(canvas, *thumb_, kThumbFrames, frame, thumbRect());
}

void CSliderControl::draw(Canvas& canvas, const Rect&) {
  drawThumb(canvas);
}

}  // namespace pelorin
