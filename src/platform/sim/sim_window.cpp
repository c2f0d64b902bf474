#include "platform/sim/sim_window.h"

#include "platform/cairo/cairo_canvas.h"
#include "platform/cairo/cairo_image.h"
#include "platform/sim/sim_window_system.h"

namespace pelorin {

SimWindow::SimWindow(SimWindowSystem& system, WindowId id, WindowKind kind, WindowId owner,
                     const Rect& frame, WindowClient& client)
    : system_(system), id_(id), kind_(kind), owner_(owner), frame_(frame), client_(client) {
  picture_.resize(frame_.width(), frame_.height());
}

SimWindow::~SimWindow() = default;

void SimWindow::setFrame(const Rect& frame) {
  const bool resized = frame.width() != frame_.width() || frame.height() != frame_.height();
  frame_ = frame;
  if (resized) picture_.resize(frame_.width(), frame_.height());
}

void SimWindow::show(ShowMode mode) {
  const bool wasShowing = visible_ && !minimised_;
  const bool wasVisible = visible_;
  switch (mode) {
    case ShowMode::Normal:
    case ShowMode::Restore:
      visible_ = true;
      minimised_ = false;
      maximised_ = false;
      if (takesFocus()) system_.activate(id_);
      break;
    case ShowMode::Hide:
      visible_ = false;
      break;
    case ShowMode::Minimise:
      visible_ = true;
      minimised_ = true;
      maximised_ = false;
      break;
  }
  const bool showing = visible_ && !minimised_;
  if (visible_ && !wasVisible) ++mapCount_;
  if (showing && !wasShowing) invalidateAll();
  if (!showing && system_.activeWindow() == id_) system_.activate(kNoWindow);
}

void SimWindow::maximise() {
  show(ShowMode::Normal);
  maximised_ = true;
}

void SimWindow::bringToFront() {
  system_.raise(id_);
  if (takesFocus() && visible_) system_.activate(id_);
}

void SimWindow::invalidate(const Rect& rect) {
  picture_.invalidate(rect);
}

Colour SimWindow::pixel(int x, int y) const {
  return picture_.pixel(x, y);
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

void SimWindow::setTextInput(bool enabled, const Rect& caret) {
  textInput_ = enabled;
  textCaret_ = enabled ? caret : Rect{};
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
  if (!visible_ || minimised_ || !picture_.paint(client_, system_.fontMap())) return false;
  ++paintCount_;
  return true;
}

bool SimWindow::savePng(const std::filesystem::path& path) const {
  cairo_surface_flush(picture_.surface());
  return cairo_surface_write_to_png(picture_.surface(), path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace pelorin
