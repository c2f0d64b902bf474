#include "platform/win32/win32_desktop.h"

#include "platform/win32/win32_keyboard_hook.h"
#include "platform/win32/win32_tray_icon.h"
#include "platform/win32/win32_window_system.h"

namespace pelorin {

Win32Desktop::Win32Desktop(Win32WindowSystem& windows) : windows_(windows), shell_(windows) {}

std::unique_ptr<TrayIcon> Win32Desktop::addTrayIcon(const TrayIconParams& params) {
  return std::make_unique<Win32TrayIcon>(windows_, params);
}

std::unique_ptr<KeyboardHook> Win32Desktop::createKeyboardHook() {
  return std::make_unique<Win32KeyboardHook>(windows_);
}

}  // namespace pelorin
