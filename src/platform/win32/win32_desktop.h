#pragma once
// The desktop services of Windows.
#include "platform/desktop.h"
#include "platform/win32/win32_shell.h"

namespace pelorin {

class Win32WindowSystem;

class Win32Desktop final : public Desktop {
 public:
  explicit Win32Desktop(Win32WindowSystem& windows);
  std::unique_ptr<TrayIcon> addTrayIcon(const TrayIconParams& params) override;
  std::unique_ptr<KeyboardHook> createKeyboardHook() override;
  Shell& shell() override { return shell_; }

 private:
  Win32WindowSystem& windows_;
  Win32Shell shell_;
};

}  // namespace pelorin
