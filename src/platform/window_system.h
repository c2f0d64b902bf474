#pragma once
// The host of all windows: creates them, routes messages between them by id and tells the
// program about the screen. A window id stays unique for the whole run, so a stale id is safe.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/clipboard.h"
#include "platform/graphics.h"
#include "platform/screen.h"
#include "platform/window.h"
#include "platform/window_client.h"
#include "platform/window_message.h"

namespace pelorin {

struct WindowSpec {
  WindowKind kind = WindowKind::Main;
  Rect frame;
  WindowId owner = kNoWindow;
  std::u16string title;
};

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // The host owns the window until destroy(); the client must outlive it.
  virtual Window& createWindow(const WindowSpec& params, WindowClient& client) = 0;
  // Calls onDestroyed and forgets the window; pending messages for it are dropped.
  virtual void destroy(WindowId id) = 0;
  // Null once the window is destroyed.
  virtual Window* find(WindowId id) = 0;

  // False when the window does not exist.
  virtual bool post(WindowId target, Message message) = 0;
  // Delivers at once; 0 when the window does not exist.
  virtual std::intptr_t send(WindowId target, const Message& message) = 0;

  virtual Point cursorPosition() const = 0;
  virtual ScreenMetrics screen() const = 0;
  virtual Graphics& graphics() = 0;
  virtual Clipboard& clipboard() = 0;
};

}  // namespace pelorin
