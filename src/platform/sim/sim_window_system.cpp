#include "platform/sim/sim_window_system.h"

#include <algorithm>

#include "platform/input_event.h"
#include "platform/virtual_keys.h"

namespace pelorin {

using std::chrono::milliseconds;

ScreenMetrics SimWindowSystem::defaultScreen() {
  return ScreenMetrics{Size{1920, 1017}, Rect{0, 0, 1920, 1040}, 1.0};
}

SimWindowSystem::SimWindowSystem(ScreenMetrics screen) : screen_(screen) {}

// Clients are not told: when the host goes, everything on it has gone first or goes with it.
SimWindowSystem::~SimWindowSystem() = default;

Window& SimWindowSystem::createWindow(const WindowSpec& params, WindowClient& client) {
  const WindowId id = nextId_++;
  auto window =
      std::make_unique<SimWindow>(*this, id, params.kind, params.owner, params.frame, client);
  window->setTitle(params.title);
  SimWindow& result = *window;
  windows_.emplace(id, std::move(window));
  stacking_.push_back(id);
  return result;
}

void SimWindowSystem::destroy(WindowId id) {
  const auto it = windows_.find(id);
  if (it == windows_.end()) return;
  std::unique_ptr<SimWindow> window = std::move(it->second);
  windows_.erase(it);
  std::erase(stacking_, id);
  if (active_ == id) active_ = kNoWindow;
  if (capture_ == id) capture_ = kNoWindow;
  if (underPointer_ == id) underPointer_ = kNoWindow;
  if (moveDrag_ && moveDrag_->window == id) moveDrag_.reset();
  window->client().onDestroyed();
}

SimWindow* SimWindowSystem::findSim(WindowId id) {
  const auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : it->second.get();
}

std::vector<WindowId> SimWindowSystem::windows() const {
  return stacking_;
}

bool SimWindowSystem::post(WindowId target, Message message) {
  if (findSim(target) == nullptr) return false;
  posted_.push_back(Posted{target, std::move(message)});
  return true;
}

std::intptr_t SimWindowSystem::send(WindowId target, const Message& message) {
  SimWindow* window = findSim(target);
  return window == nullptr ? 0 : window->client().onMessage(message);
}

int SimWindowSystem::runPending() {
  int delivered = 0;
  do {
    while (!posted_.empty()) {
      Posted next = std::move(posted_.front());
      posted_.pop_front();
      if (SimWindow* window = findSim(next.target)) {
        window->client().onMessage(next.message);
        ++delivered;
      }
    }
    for (const WindowId id : std::vector<WindowId>(stacking_)) {
      SimWindow* window = paintOnRun_ ? findSim(id) : nullptr;
      if (window != nullptr) window->paintIfDirty();
    }
  } while (!posted_.empty());
  return delivered;
}

void SimWindowSystem::advance(milliseconds duration) {
  const milliseconds target = now_ + duration;
  for (;;) {
    SimWindow* next = nullptr;
    bool isTimer = false;  // otherwise the hover delay of `next` is due
    int timerId = 0;
    milliseconds due = target;
    for (const WindowId id : stacking_) {
      SimWindow* window = findSim(id);
      for (const auto& [tid, timer] : window->timers()) {
        if (timer.due <= due && (next == nullptr || timer.due < due)) {
          next = window, isTimer = true, timerId = tid, due = timer.due;
        }
      }
      if (window->hoverDue() && *window->hoverDue() <= due &&
          (next == nullptr || *window->hoverDue() < due)) {
        next = window, isTimer = false, due = *window->hoverDue();
      }
    }
    if (next == nullptr) break;
    now_ = std::max(now_, due);
    if (isTimer) {
      next->timerFired(timerId);
      next->client().onTimer(timerId);
    } else {
      next->hoverFired();
      const Rect frame = next->frame();
      if (windowAt(cursor_) == next->id()) {
        next->client().onMouse(MouseEvent{MouseAction::Hover, cursor_.x - frame.left,
                                          cursor_.y - frame.top, buttons_, 0});
      }
    }
    runPending();
  }
  now_ = target;
  runPending();
}

int SimWindowSystem::runModal(WindowId id) {
  modalResults_[id].reset();
  int result = -1;
  for (;;) {
    runPending();
    const auto it = modalResults_.find(id);
    if (it != modalResults_.end() && it->second) {
      result = *it->second;
      break;
    }
    if (findSim(id) == nullptr || !idle_ || !idle_()) break;
  }
  modalResults_.erase(id);
  return result;
}

void SimWindowSystem::endModal(WindowId id, int result) {
  const auto it = modalResults_.find(id);
  if (it != modalResults_.end()) it->second = result;
}

void SimWindowSystem::raise(WindowId id) {
  if (std::erase(stacking_, id) > 0) stacking_.push_back(id);
}

void SimWindowSystem::activate(WindowId id) {
  if (id == active_) return;
  const WindowId previous = active_;
  active_ = id;
  if (id != kNoWindow) raise(id);
  if (SimWindow* window = findSim(previous)) window->client().onDeactivate();
}

void SimWindowSystem::startMoveDrag(WindowId id) {
  if (SimWindow* window = findSim(id)) {
    capture_ = kNoWindow;
    moveDrag_ = MoveDrag{id, cursor_, window->frame()};
  }
}

WindowId SimWindowSystem::windowAt(Point p) {
  for (const bool topmost : {true, false}) {
    for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it) {
      SimWindow* window = findSim(*it);
      if (window->topmost() == topmost && window->isVisible() && !window->isMinimised() &&
          window->frame().contains(p)) {
        return *it;
      }
    }
  }
  return kNoWindow;
}

WindowId SimWindowSystem::pointerTarget() {
  return capture_ != kNoWindow ? capture_ : windowAt(cursor_);
}

void SimWindowSystem::updateHoverTarget(WindowId target) {
  if (target == underPointer_) return;
  SimWindow* previous = findSim(underPointer_);
  underPointer_ = target;
  if (previous != nullptr && previous->tracking() && capture_ != previous->id()) {
    previous->stopTracking();
    previous->hoverFired();
    previous->client().onMouse(MouseEvent{MouseAction::Leave, -1, -1, buttons_, 0});
  }
}

void SimWindowSystem::deliverMouse(MouseAction action, int wheelDelta) {
  SimWindow* window = findSim(pointerTarget());
  if (window == nullptr) return;
  const Rect frame = window->frame();
  if (action == MouseAction::Move) window->scheduleHover(now_);
  window->client().onMouse(
      MouseEvent{action, cursor_.x - frame.left, cursor_.y - frame.top, buttons_, wheelDelta});
}

void SimWindowSystem::moveMouse(int x, int y) {
  cursor_ = Point{x, y};
  if (moveDrag_) {
    if (SimWindow* window = findSim(moveDrag_->window)) {
      window->setFrame(
          moveDrag_->startFrame.offset(x - moveDrag_->startCursor.x, y - moveDrag_->startCursor.y));
    }
  } else {
    updateHoverTarget(windowAt(cursor_));
    deliverMouse(MouseAction::Move);
  }
  runPending();
}

void SimWindowSystem::press(MouseAction action, unsigned button) {
  const WindowId target = pointerTarget();
  SimWindow* window = findSim(target);
  if (window == nullptr) {
    activate(kNoWindow);
  } else if (window->takesFocus()) {
    activate(target);
  }
  buttons_ |= button;
  deliverMouse(action);
  runPending();
}

void SimWindowSystem::pressLeft() {
  press(MouseAction::LeftDown, mouse_flags::kLeft);
}

void SimWindowSystem::pressRight() {
  press(MouseAction::RightDown, mouse_flags::kRight);
}

void SimWindowSystem::releaseLeft() {
  buttons_ &= ~mouse_flags::kLeft;
  if (moveDrag_) {
    moveDrag_.reset();
  } else {
    deliverMouse(MouseAction::LeftUp);
  }
  runPending();
}

void SimWindowSystem::releaseRight() {
  buttons_ &= ~mouse_flags::kRight;
  deliverMouse(MouseAction::RightUp);
  runPending();
}

void SimWindowSystem::clickLeft(int x, int y) {
  moveMouse(x, y);
  pressLeft();
  releaseLeft();
}

void SimWindowSystem::clickRight(int x, int y) {
  moveMouse(x, y);
  pressRight();
  releaseRight();
}

void SimWindowSystem::doubleClickLeft(int x, int y) {
  clickLeft(x, y);
  buttons_ |= mouse_flags::kLeft;
  deliverMouse(MouseAction::LeftDoubleClick);
  releaseLeft();
}

void SimWindowSystem::wheel(int delta) {
  deliverMouse(MouseAction::Wheel, delta);
  runPending();
}

namespace {

unsigned modifierOf(int virtualKey) {
  switch (virtualKey) {
    case vk::kShift:
    case vk::kLShift:
    case vk::kRShift:
      return mouse_flags::kShift;
    case vk::kControl:
    case vk::kLControl:
    case vk::kRControl:
      return mouse_flags::kControl;
    default:
      return 0;
  }
}

}  // namespace

void SimWindowSystem::key(int virtualKey, bool down) {
  if (SimWindow* window = findSim(active_)) {
    window->client().onKey(KeyEvent{down, virtualKey, false, modifiers_});
  }
  if (down) {
    modifiers_ |= modifierOf(virtualKey);
  } else {
    modifiers_ &= ~modifierOf(virtualKey);
  }
  runPending();
}

void SimWindowSystem::tapKey(int virtualKey) {
  key(virtualKey, true);
  key(virtualKey, false);
}

void SimWindowSystem::compose(std::u16string_view text) {
  if (SimWindow* window = findSim(active_); window != nullptr && window->textInput()) {
    window->client().onComposition(text);
  }
  runPending();
}

void SimWindowSystem::typeText(std::u16string_view text) {
  if (SimWindow* window = findSim(active_); window != nullptr && window->textInput()) {
    window->client().onText(text);
  }
  runPending();
}

}  // namespace pelorin
