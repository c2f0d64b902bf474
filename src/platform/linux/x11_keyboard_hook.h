#pragma once
// The keyboard hook on X11. Where the display has the RECORD extension it hears every key of
// every program: a recording context on a connection of its own, read by a thread of its own,
// hands each transition to the UI thread. Without it the hook hears only the target window's
// own keys, while that window has the focus.
#include <memory>
#include <thread>

#include "platform/keyboard_hook.h"
#include "platform/ui_dispatcher.h"

typedef struct _XDisplay Display;

namespace pelorin {

class GtkWindowSystem;

class X11KeyboardHook final : public KeyboardHook {
 public:
  // OwnWindow never records the desktop, even where it could.
  enum class Reach : std::uint8_t { Desktop, OwnWindow };

  X11KeyboardHook(GtkWindowSystem& windows, UiDispatcher& ui, Reach reach = Reach::Desktop);
  ~X11KeyboardHook() override;
  X11KeyboardHook(const X11KeyboardHook&) = delete;
  X11KeyboardHook& operator=(const X11KeyboardHook&) = delete;

  bool start(WindowId target) override;
  void stop() override;
  bool running() const override;
  // True while the running capture hears the whole desktop.
  bool systemWide() const { return recordThread_.joinable(); }

  // The delivery of one transition on the UI thread; public for the C callbacks.
  struct Session;

 private:
  bool startRecording();
  // Joins the record thread, whose context is off or never came on, and closes its connections.
  void endRecording();
  bool startWindowKeys(WindowId target);

  GtkWindowSystem& windows_;
  UiDispatcher& ui_;
  Reach reach_;
  std::shared_ptr<Session> session_;
  Display* control_ = nullptr;
  Display* data_ = nullptr;
  unsigned long context_ = 0;
  std::thread recordThread_;
  unsigned long windowHook_ = 0;
};

}  // namespace pelorin
