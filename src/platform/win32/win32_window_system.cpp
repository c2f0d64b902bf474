#include "platform/win32/win32_window_system.h"

#include "platform/win32/win32_host_window.h"

namespace pelorin {
namespace {

constexpr UINT kDeliverPosted = WM_APP + 1;
constexpr const wchar_t* kPostClass = L"PelorinPosted";

LRESULT CALLBACK hostProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    ::SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* window = reinterpret_cast<Win32HostWindow*>(::GetWindowLongPtrW(handle, GWLP_USERDATA));
  LRESULT result = 0;
  if (window != nullptr && window->onWindowMessage(message, wParam, lParam, result)) return result;
  return ::DefWindowProcW(handle, message, wParam, lParam);
}

void registerClass(const wchar_t* name, WNDPROC proc, UINT style) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = style;
  windowClass.lpfnWndProc = proc;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name;
  ::RegisterClassExW(&windowClass);
}

}  // namespace

Win32WindowSystem::Win32WindowSystem() {
  // Double clicks arrive in place of the second press, as the client expects.
  registerClass(kMainClass, hostProc, CS_DBLCLKS);
  registerClass(kWindowClass, hostProc, CS_DBLCLKS);
  registerClass(kPostClass, postedProc, 0);
  postWindow_ = ::CreateWindowExW(0, kPostClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
  ::SetWindowLongPtrW(postWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32WindowSystem::~Win32WindowSystem() {
  while (!windows_.empty()) destroy(windows_.begin()->first);
  ::DestroyWindow(postWindow_);
}

Window& Win32WindowSystem::createWindow(const WindowSpec& params, WindowClient& client) {
  const WindowId id = nextId_++;
  auto window = std::make_unique<Win32HostWindow>(*this, id, params, client);
  Window& created = *window;
  windows_[id] = std::move(window);
  return created;
}

void Win32WindowSystem::destroy(WindowId id) {
  const auto found = windows_.find(id);
  if (found == windows_.end()) return;
  auto window = std::move(found->second);
  windows_.erase(found);
  WindowClient& client = window->client();
  window.reset();
  client.onDestroyed();
}

Window* Win32WindowSystem::find(WindowId id) {
  return findHost(id);
}

Win32HostWindow* Win32WindowSystem::findHost(WindowId id) {
  const auto found = windows_.find(id);
  return found == windows_.end() ? nullptr : found->second.get();
}

HWND Win32WindowSystem::handleOf(WindowId id) {
  const auto* window = findHost(id);
  return window == nullptr ? nullptr : window->handle();
}

bool Win32WindowSystem::post(WindowId target, Message message) {
  if (findHost(target) == nullptr) return false;
  posted_.push_back({target, std::move(message)});
  ::PostMessageW(postWindow_, kDeliverPosted, 0, 0);
  return true;
}

std::intptr_t Win32WindowSystem::send(WindowId target, const Message& message) {
  Win32HostWindow* window = findHost(target);
  return window == nullptr ? 0 : window->client().onMessage(message);
}

LRESULT CALLBACK Win32WindowSystem::postedProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  if (message != kDeliverPosted) return ::DefWindowProcW(window, message, wParam, lParam);
  auto* system = reinterpret_cast<Win32WindowSystem*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (system != nullptr) system->deliverPosted();
  return 0;
}

void Win32WindowSystem::deliverPosted() {
  // One message per wake-up, so the order of posts is kept across nested loops.
  if (posted_.empty()) return;
  Posted next = std::move(posted_.front());
  posted_.pop_front();
  if (Win32HostWindow* window = findHost(next.target)) window->client().onMessage(next.message);
}

Point Win32WindowSystem::cursorPosition() const {
  POINT at{};
  ::GetCursorPos(&at);
  return {at.x, at.y};
}

ScreenMetrics Win32WindowSystem::screen() const {
  ScreenMetrics metrics;
  metrics.maximisedClient = {::GetSystemMetrics(SM_CXFULLSCREEN),
                             ::GetSystemMetrics(SM_CYFULLSCREEN)};
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  metrics.workArea = {work.left, work.top, work.right, work.bottom};
  HDC screen = ::GetDC(nullptr);
  metrics.dpiRatio = ::GetDeviceCaps(screen, LOGPIXELSX) / 96.0;
  ::ReleaseDC(nullptr, screen);
  return metrics;
}

}  // namespace pelorin
