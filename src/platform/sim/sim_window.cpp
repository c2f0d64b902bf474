#include "platform/sim/sim_window.h"

#include "platform/sim/cairo_canvas.h"
#include "platform/sim/cairo_image.h"
#include "platform/sim/sim_window_system.h"

namespace pelorin {

SimWindow::SimWindow(SimWindowSystem& system, WindowId id, WindowKind kind, WindowId owner,
                     const Rect& frame, WindowClient& client)
    : system_(system), id_(id), kind_(kind), owner_(owner), frame_(frame), client_(client) {
  resizePicture();
}

SimWindow::~SimWindow() {
  cairo_surface_destroy(picture_);
}

void SimWindow::resizePicture() {
  if (picture_ != nullptr) cairo_surface_destroy(picture_);
  picture_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(frame_.width(), 1),
                                        std::max(frame_.height(), 1));
  dirty_ = Rect{0, 0, frame_.width(), frame_.height()};
}

void SimWindow::setFrame(const Rect& frame) {
  const bool resized = frame.width() != frame_.width() || frame.height() != frame_.height();
  frame_ = frame;
  if (resized) resizePicture();
}

void SimWindow::show(ShowMode mode) {
  const bool wasShowing = visible_ && !minimised_;
  switch (mode) {
    case ShowMode::Normal:
    case ShowMode::Restore:
      visible_ = true;
      minimised_ = false;
      if (takesFocus()) system_.activate(id_);
      break;
    case ShowMode::Hide:
      visible_ = false;
      break;
    case ShowMode::Minimise:
      visible_ = true;
      minimised_ = true;
      break;
  }
  const bool showing = visible_ && !minimised_;
  if (showing && !wasShowing) invalidateAll();
  if (!showing && system_.activeWindow() == id_) system_.activate(kNoWindow);
}

void SimWindow::bringToFront() {
  system_.raise(id_);
  if (takesFocus() && visible_) system_.activate(id_);
}

void SimWindow::invalidate(const Rect& rect) {
  const Rect client{0, 0, frame_.width(), frame_.height()};
  const Rect clipped{std::max(rect.left, 0), std::max(rect.top, 0),
                     std::min(rect.right, client.right), std::min(rect.bottom, client.bottom)};
  if (!clipped.empty()) dirty_ = dirty_.unite(clipped);
}

Colour SimWindow::pixel(int x, int y) const {
  return surfacePixel(picture_, x, y);
}

void SimWindow::captureMouse() {
  system_.setCapture(id_);
}

void SimWindow::releaseMouse() {
  if (hasCapture()) system_.setCapture(kNoWindow);
}

bool SimWindow::hasCapture() const {
  return system_.capture() == id_;
}

void SimWindow::trackMouse(std::chrono::milliseconds hoverTime) {
  tracking_ = true;
  hoverTime_ = hoverTime;
  hoverDue_ = system_.now() + hoverTime;
}

void SimWindow::scheduleHover(std::chrono::milliseconds now) {
  if (hoverDue_) hoverDue_ = now + hoverTime_;
}

void SimWindow::beginMoveDrag(Point) {
  system_.startMoveDrag(id_);
}

void SimWindow::focus() {
  if (takesFocus()) system_.activate(id_);
}

bool SimWindow::hasFocus() const {
  return system_.activeWindow() == id_;
}

void SimWindow::setTimer(int timerId, std::chrono::milliseconds period) {
  timers_[timerId] = Timer{period, system_.now() + period};
}

void SimWindow::killTimer(int timerId) {
  timers_.erase(timerId);
}

void SimWindow::timerFired(int timerId) {
  const auto it = timers_.find(timerId);
  if (it != timers_.end()) it->second.due += it->second.period;
}

int SimWindow::runModal() {
  return system_.runModal(id_);
}

void SimWindow::endModal(int result) {
  system_.endModal(id_, result);
}

bool SimWindow::paintIfDirty() {
  if (!visible_ || minimised_ || dirty_.empty()) return false;
  const Rect dirty = dirty_;
  dirty_ = Rect{};
  CairoCanvas canvas(picture_, system_.fontMap());
  canvas.pushClip(dirty);
  client_.onPaint(canvas, dirty);
  canvas.popClip();
  ++paintCount_;
  return true;
}

bool SimWindow::savePng(const std::filesystem::path& path) const {
  cairo_surface_flush(picture_);
  return cairo_surface_write_to_png(picture_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace pelorin
