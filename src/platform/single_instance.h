#pragma once
// One running copy per user: a later start asks the running one to show itself and ends.
#include "platform/window.h"
#include "platform/window_system.h"

namespace pelorin {

namespace msg {
// Posted to the first instance's main window for every later start; wParam and lParam are 0.
constexpr unsigned kActivateInstance = 2999;
}  // namespace msg

// Held by the first instance for its whole run. Requests that come before forwardTo wait and
// are delivered then, so a start during the first one's start-up is not lost.
class SingleInstance {
 public:
  virtual ~SingleInstance() = default;
  virtual void forwardTo(WindowSystem& windows, WindowId mainWindow) = 0;
};

}  // namespace pelorin
