#pragma once
// Key capture through a low-level keyboard hook (WH_KEYBOARD_LL). Windows calls the hook on the
// thread that set it, the window thread, between its messages, so each key reaches the target
// window's client directly and none can arrive after stop(). One capture runs at a time in the
// process: a second start takes it over.
#include <windows.h>

#include "platform/keyboard_hook.h"
#include "platform/window_system.h"

namespace pelorin {

class Win32KeyboardHook final : public KeyboardHook {
 public:
  explicit Win32KeyboardHook(WindowSystem& windows) : windows_(windows) {}
  ~Win32KeyboardHook() override { stop(); }
  Win32KeyboardHook(const Win32KeyboardHook&) = delete;
  Win32KeyboardHook& operator=(const Win32KeyboardHook&) = delete;

  bool start(WindowId target) override;
  void stop() override;
  bool running() const override { return hook_ != nullptr; }

 private:
  static LRESULT CALLBACK onKey(int code, WPARAM wParam, LPARAM lParam);

  WindowSystem& windows_;
  WindowId target_ = kNoWindow;
  HHOOK hook_ = nullptr;
};

}  // namespace pelorin
