#include "platform/win32/win32_ui_dispatcher.h"

namespace pelorin {
namespace {

constexpr UINT kRunTasks = WM_APP + 2;
constexpr const wchar_t* kClass = L"PelorinTasks";

}  // namespace

Win32UiDispatcher::Win32UiDispatcher() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = proc;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClass;
  ::RegisterClassExW(&windowClass);
  window_ = ::CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              ::GetModuleHandleW(nullptr), nullptr);
  ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32UiDispatcher::~Win32UiDispatcher() {
  ::DestroyWindow(window_);
}

void Win32UiDispatcher::post(std::function<void()> task) {
  {
    const std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
  }
  ::PostMessageW(window_, kRunTasks, 0, 0);
}

LRESULT CALLBACK Win32UiDispatcher::proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kRunTasks) return ::DefWindowProcW(window, message, wParam, lParam);
  auto* self = reinterpret_cast<Win32UiDispatcher*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr) self->runPending();
  return 0;
}

void Win32UiDispatcher::runPending() {
  for (;;) {
    std::function<void()> task;
    {
      const std::lock_guard lock(mutex_);
      if (tasks_.empty()) return;
      task = std::move(tasks_.front());
      tasks_.pop_front();
    }
    task();
  }
}

}  // namespace pelorin
