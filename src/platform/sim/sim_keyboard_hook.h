#pragma once
// The headless keyboard hook: tests press and release keys with the stamps they choose.
#include "platform/keyboard_hook.h"
#include "platform/window_system.h"

namespace pelorin {

class SimKeyboardHook final : public KeyboardHook {
 public:
  explicit SimKeyboardHook(WindowSystem& windows) : windows_(windows) {}
  ~SimKeyboardHook() override { stop(); }

  bool start(WindowId target) override;
  void stop() override { target_ = kNoWindow; }
  bool running() const override { return target_ != kNoWindow; }

  // A key transition anywhere on the desktop; sent to the target at once while running.
  void inject(const HookKey& key);

 private:
  WindowSystem& windows_;
  WindowId target_ = kNoWindow;
};

}  // namespace pelorin
