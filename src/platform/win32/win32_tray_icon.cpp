#include "platform/win32/win32_tray_icon.h"

#include <shellapi.h>

#include <algorithm>

#include "platform/win32/gdiplus_image.h"

namespace pelorin {
namespace {

constexpr UINT kIconMessage = WM_APP + 3;
constexpr const wchar_t* kClass = L"PelorinTray";

}  // namespace

Win32TrayIcon::Win32TrayIcon(WindowSystem& windows, const TrayIconParams& params)
    : windows_(windows),
      target_(params.target),
      callbackMessage_(params.callbackMessage),
      iconId_(params.iconId),
      tooltip_(params.tooltip),
      menu_(params.menu) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = proc;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClass;
  ::RegisterClassExW(&windowClass);
  // A hidden top-level window: the menu needs a window that can come to the foreground.
  window_ = ::CreateWindowExW(0, kClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              ::GetModuleHandleW(nullptr), nullptr);
  ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (params.icon != nullptr) {
    if (const auto* picture = dynamic_cast<const GdiplusImage*>(params.icon)) {
      picture->bitmap().GetHICON(&icon_);
    }
  }
  shown_ = notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
}

Win32TrayIcon::~Win32TrayIcon() {
  if (shown_) notify(NIM_DELETE, 0);
  ::DestroyWindow(window_);
  if (icon_ != nullptr) ::DestroyIcon(icon_);
}

void Win32TrayIcon::setIcon(const Image& icon) {
  const auto* picture = dynamic_cast<const GdiplusImage*>(&icon);
  HICON made = nullptr;
  if (picture == nullptr || picture->bitmap().GetHICON(&made) != Gdiplus::Ok) return;
  if (icon_ != nullptr) ::DestroyIcon(icon_);
  icon_ = made;
  if (shown_) notify(NIM_MODIFY, NIF_ICON);
}

void Win32TrayIcon::setTooltip(std::u16string_view tooltip) {
  tooltip_ = std::u16string(tooltip);
  if (shown_) notify(NIM_MODIFY, NIF_TIP);
}

bool Win32TrayIcon::notify(DWORD action, UINT flags) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window_;
  data.uID = static_cast<UINT>(iconId_);
  data.uFlags = flags;
  data.uCallbackMessage = kIconMessage;
  data.hIcon = icon_;
  const auto tip = tooltip_.substr(0, std::size(data.szTip) - 1);
  std::copy(tip.begin(), tip.end(), data.szTip);
  return ::Shell_NotifyIconW(action, &data) != FALSE;
}

LRESULT CALLBACK Win32TrayIcon::proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Win32TrayIcon*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message != kIconMessage || self == nullptr) {
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  self->onIconMessage(lParam);
  return 0;
}

void Win32TrayIcon::onIconMessage(LPARAM event) {
  if (event == WM_LBUTTONDBLCLK) {
    windows_.post(target_, Message{callbackMessage_, iconId_, kTrayDoubleClick, {}});
  } else if (event == WM_RBUTTONUP) {
    showMenu();
  }
}

void Win32TrayIcon::showMenu() {
  HMENU menu = ::CreatePopupMenu();
  for (const auto& item : menu_) {
    const std::u16string text(item.text);
    ::AppendMenuW(menu, item.command == 0 ? MF_SEPARATOR : MF_STRING,
                  static_cast<UINT_PTR>(item.command),
                  reinterpret_cast<const wchar_t*>(text.c_str()));
  }
  POINT at{};
  ::GetCursorPos(&at);
  // The menu closes when the user clicks elsewhere only if its window is in front.
  ::SetForegroundWindow(window_);
  const int chosen = ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x,
                                      at.y, 0, window_, nullptr);
  ::PostMessageW(window_, WM_NULL, 0, 0);
  ::DestroyMenu(menu);
  if (chosen != 0) windows_.post(target_, Message{msg::kCommand, chosen, 0, {}});
}

}  // namespace pelorin
