#pragma once
// The notification-area icon through Shell_NotifyIconW. A hidden window of its own takes the
// icon's mouse messages: a left double click posts the caller's callback message, a right click
// opens the menu, and a chosen item posts msg::kCommand to the caller's window.
#include <vector>

#include <windows.h>

#include "platform/tray_icon.h"
#include "platform/window_system.h"

namespace pelorin {

class Win32TrayIcon final : public TrayIcon {
 public:
  Win32TrayIcon(WindowSystem& windows, const TrayIconParams& params);
  ~Win32TrayIcon() override;
  Win32TrayIcon(const Win32TrayIcon&) = delete;
  Win32TrayIcon& operator=(const Win32TrayIcon&) = delete;

  void setIcon(const Image& icon) override;
  void setTooltip(std::u16string_view tooltip) override;
  void setMenu(const std::vector<TrayMenuItem>& menu) override { menu_ = menu; }
  bool shown() const override { return shown_; }

 private:
  static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void onIconMessage(LPARAM event);
  void showMenu();
  bool notify(DWORD action, UINT flags);

  WindowSystem& windows_;
  WindowId target_;
  unsigned callbackMessage_;
  int iconId_;
  std::u16string tooltip_;
  std::vector<TrayMenuItem> menu_;
  HWND window_ = nullptr;
  HICON icon_ = nullptr;
  bool shown_ = false;
};

}  // namespace pelorin
