#include "platform/win32/win32_host_window.h"

#include <windowsx.h>

#include "platform/win32/gdiplus_canvas.h"
#include "platform/win32/gdiplus_image.h"
#include "platform/win32/win32_window_system.h"

namespace pelorin {
namespace {

// Half transparent, as the on-screen display is on every host.
constexpr BYTE kOsdAlpha = 128;

struct Styles {
  DWORD style;
  DWORD extended;
};

Styles stylesOf(WindowKind kind) {
  switch (kind) {
    case WindowKind::Main:
      return {WS_POPUP | WS_MINIMIZEBOX | WS_SYSMENU, WS_EX_APPWINDOW};
    case WindowKind::Modal:
      return {WS_POPUP, 0};
    case WindowKind::Popup:
      return {WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW};
    case WindowKind::Osd:
      return {WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED};
  }
  return {WS_POPUP, 0};
}

unsigned modifierFlags() {
  unsigned flags = 0;
  if (::GetKeyState(VK_SHIFT) < 0) flags |= mouse_flags::kShift;
  if (::GetKeyState(VK_CONTROL) < 0) flags |= mouse_flags::kControl;
  return flags;
}

}  // namespace

Win32HostWindow::Win32HostWindow(Win32WindowSystem& system, WindowId id, const WindowSpec& params,
                                 WindowClient& client)
    : system_(system), id_(id), kind_(params.kind), client_(client) {
  const auto [style, extended] = stylesOf(kind_);
  const auto& f = params.frame;
  const std::u16string title(params.title);
  handle_ = ::CreateWindowExW(
      extended,
      kind_ == WindowKind::Main ? Win32WindowSystem::kMainClass : Win32WindowSystem::kWindowClass,
      reinterpret_cast<const wchar_t*>(title.c_str()), style, f.left, f.top, f.width(), f.height(),
      kind_ == WindowKind::Main ? nullptr : system_.handleOf(params.owner), nullptr,
      ::GetModuleHandleW(nullptr), this);
  if (kind_ == WindowKind::Osd) ::SetLayeredWindowAttributes(handle_, 0, kOsdAlpha, LWA_ALPHA);
}

Win32HostWindow::~Win32HostWindow() {
  modalRunning_ = false;
  ::SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
  ::DestroyWindow(handle_);
  if (icon_ != nullptr) ::DestroyIcon(icon_);
}

Rect Win32HostWindow::frame() const {
  RECT r{};
  ::GetWindowRect(handle_, &r);
  return {r.left, r.top, r.right, r.bottom};
}

void Win32HostWindow::setFrame(const Rect& f) {
  ::SetWindowPos(handle_, nullptr, f.left, f.top, f.width(), f.height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32HostWindow::show(ShowMode mode) {
  const bool quiet = kind_ == WindowKind::Osd;
  switch (mode) {
    case ShowMode::Normal:
      // A minimised window comes back too, as on the other hosts.
      ::ShowWindow(handle_, quiet ? SW_SHOWNOACTIVATE : isMinimised() ? SW_RESTORE : SW_SHOW);
      break;
    case ShowMode::Hide:
      ::ShowWindow(handle_, SW_HIDE);
      break;
    case ShowMode::Minimise:
      ::ShowWindow(handle_, SW_MINIMIZE);
      break;
    case ShowMode::Restore:
      ::ShowWindow(handle_, SW_RESTORE);
      break;
  }
}

void Win32HostWindow::bringToFront() {
  ::SetForegroundWindow(handle_);
  ::BringWindowToTop(handle_);
}

void Win32HostWindow::setKeepAbove(bool above) {
  ::SetWindowPos(handle_, above ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Win32HostWindow::isVisible() const {
  return ::IsWindowVisible(handle_) != FALSE;
}

bool Win32HostWindow::isMinimised() const {
  return ::IsIconic(handle_) != FALSE;
}

bool Win32HostWindow::isMaximised() const {
  return ::IsZoomed(handle_) != FALSE;
}

void Win32HostWindow::setTitle(std::u16string_view title) {
  const std::u16string text(title);
  ::SetWindowTextW(handle_, reinterpret_cast<const wchar_t*>(text.c_str()));
}

void Win32HostWindow::setIcon(const Image& icon) {
  const auto* picture = dynamic_cast<const GdiplusImage*>(&icon);
  HICON made = nullptr;
  if (picture == nullptr || picture->bitmap().GetHICON(&made) != Gdiplus::Ok) return;
  ::SendMessageW(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(made));
  ::SendMessageW(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(made));
  if (icon_ != nullptr) ::DestroyIcon(icon_);
  icon_ = made;
}

void Win32HostWindow::invalidate(const Rect& r) {
  const RECT area{r.left, r.top, r.right, r.bottom};
  ::InvalidateRect(handle_, &area, FALSE);
}

Colour Win32HostWindow::pixel(int x, int y) const {
  return picture_ ? bitmapPixel(*picture_, x, y) : 0;
}

void Win32HostWindow::captureMouse() {
  ::SetCapture(handle_);
}

void Win32HostWindow::releaseMouse() {
  if (::GetCapture() == handle_) ::ReleaseCapture();
}

void Win32HostWindow::trackMouse(std::chrono::milliseconds hoverTime) {
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = TME_LEAVE | TME_HOVER;
  track.hwndTrack = handle_;
  track.dwHoverTime = static_cast<DWORD>(hoverTime.count());
  ::TrackMouseEvent(&track);
}

void Win32HostWindow::beginMoveDrag(Point) {
  // The system's own move loop runs while the button stays down, as for a caption.
  ::ReleaseCapture();
  ::SendMessageW(handle_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void Win32HostWindow::setCursor(PointerShape shape) {
  cursor_ = shape;
}

void Win32HostWindow::focus() {
  ::SetFocus(handle_);
}

bool Win32HostWindow::hasFocus() const {
  return ::GetFocus() == handle_;
}

void Win32HostWindow::setTextInput(bool enabled, const Rect&) {
  textInput_ = enabled;
}

void Win32HostWindow::setTimer(int timerId, std::chrono::milliseconds period) {
  ::SetTimer(handle_, static_cast<UINT_PTR>(timerId), static_cast<UINT>(period.count()), nullptr);
}

void Win32HostWindow::killTimer(int timerId) {
  ::KillTimer(handle_, static_cast<UINT_PTR>(timerId));
}

int Win32HostWindow::runModal() {
  modalResult_.reset();
  modalRunning_ = true;
  Win32WindowSystem& system = system_;
  const WindowId self = id_;
  MSG message;
  for (;;) {
    Win32HostWindow* still = system.findHost(self);
    if (still == nullptr || !still->modalRunning_) break;
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The outer loop must see the quit too.
      if (got == 0) ::PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  Win32HostWindow* still = system.findHost(self);
  if (still == nullptr) return -1;
  still->modalRunning_ = false;
  return still->modalResult_.value_or(-1);
}

void Win32HostWindow::endModal(int result) {
  modalResult_ = result;
  modalRunning_ = false;
  ::PostMessageW(handle_, WM_NULL, 0, 0);
}

void Win32HostWindow::paint() {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(handle_, &ps);
  RECT client{};
  ::GetClientRect(handle_, &client);
  const int width = std::max<int>(client.right, 1);
  const int height = std::max<int>(client.bottom, 1);
  if (!picture_ || static_cast<int>(picture_->GetWidth()) != width ||
      static_cast<int>(picture_->GetHeight()) != height) {
    picture_ = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppPARGB);
    ps.rcPaint = client;
  }
  const Rect dirty{ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom};
  {
    GdiplusCanvas canvas(*picture_);
    canvas.pushClip(dirty);
    client_.onPaint(canvas, dirty);
    canvas.popClip();
  }
  Gdiplus::Graphics screen(dc);
  screen.DrawImage(picture_.get(), dirty.left, dirty.top, dirty.left, dirty.top, dirty.width(),
                   dirty.height(), Gdiplus::UnitPixel);
  ::EndPaint(handle_, &ps);
}

void Win32HostWindow::mouse(MouseAction action, WPARAM wParam, LPARAM lParam) {
  MouseEvent event;
  event.action = action;
  event.x = GET_X_LPARAM(lParam);
  event.y = GET_Y_LPARAM(lParam);
  // The button and modifier bits of the message are the event's own.
  event.flags =
      static_cast<unsigned>(GET_KEYSTATE_WPARAM(wParam)) &
      (mouse_flags::kLeft | mouse_flags::kRight | mouse_flags::kShift | mouse_flags::kControl);
  if (action == MouseAction::Wheel) {
    POINT at{event.x, event.y};
    ::ScreenToClient(handle_, &at);
    event.x = at.x;
    event.y = at.y;
    event.wheelDelta = GET_WHEEL_DELTA_WPARAM(wParam);
  }
  if (action == MouseAction::Leave) event.x = event.y = -1;
  client_.onMouse(event);
}

void Win32HostWindow::key(bool down, WPARAM wParam, LPARAM lParam) {
  KeyEvent event;
  event.down = down;
  event.virtualKey = static_cast<int>(wParam);
  event.repeat = down && (lParam & (1L << 30)) != 0;
  event.modifiers = modifierFlags();
  client_.onKey(event);
}

bool Win32HostWindow::onWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_PAINT:
      paint();
      return true;
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_MOUSEMOVE:
      mouse(MouseAction::Move, wParam, lParam);
      return true;
    case WM_LBUTTONDOWN:
      mouse(MouseAction::LeftDown, wParam, lParam);
      return true;
    case WM_LBUTTONUP:
      mouse(MouseAction::LeftUp, wParam, lParam);
      return true;
    case WM_LBUTTONDBLCLK:
      mouse(MouseAction::LeftDoubleClick, wParam, lParam);
      return true;
    case WM_RBUTTONDOWN:
      mouse(MouseAction::RightDown, wParam, lParam);
      return true;
    case WM_RBUTTONUP:
      mouse(MouseAction::RightUp, wParam, lParam);
      return true;
    case WM_MOUSEWHEEL:
      mouse(MouseAction::Wheel, wParam, lParam);
      return true;
    case WM_MOUSELEAVE:
      mouse(MouseAction::Leave, 0, 0);
      return true;
    case WM_MOUSEHOVER:
      mouse(MouseAction::Hover, wParam, lParam);
      return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      key(true, wParam, lParam);
      return message == WM_KEYDOWN;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      key(false, wParam, lParam);
      return message == WM_KEYUP;
    case WM_CHAR:
      if (textInput_ && wParam >= 0x20 && wParam != 0x7F) {
        const char16_t unit = static_cast<char16_t>(wParam);
        client_.onText(std::u16string_view(&unit, 1));
      }
      return true;
    case WM_TIMER:
      client_.onTimer(static_cast<int>(wParam));
      return true;
    case WM_SETCURSOR:
      if (LOWORD(lParam) != HTCLIENT) return false;
      ::SetCursor(::LoadCursorW(nullptr, cursor_ == PointerShape::Hand ? IDC_HAND : IDC_ARROW));
      result = TRUE;
      return true;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) client_.onDeactivate();
      return false;
    case WM_CLOSE:
      system_.post(id_, Message{msg::kClose, 0, 0, {}});
      return true;
    case WM_COMMAND:
      // As a choice in the notification menu arrives: how the installer asks a running copy
      // to exit (its exit command) before it replaces or removes the program's files.
      system_.post(id_, Message{msg::kCommand, LOWORD(wParam), 0, {}});
      return true;
    default:
      // The program's own numbers (a later start's 2999, the notification icon's callback).
      if (message >= WM_USER && message < 0xC000) {
        result = client_.onMessage(Message{
            message, static_cast<std::intptr_t>(wParam), static_cast<std::intptr_t>(lParam), {}});
        return true;
      }
      return false;
  }
}

}  // namespace pelorin
