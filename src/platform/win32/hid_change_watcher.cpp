#include "platform/win32/hid_change_watcher.h"

#include <windows.h>
// After windows.h: dbt.h and hidclass.h use its types.
#include <dbt.h>

#include "platform/win32/hid_api.h"

namespace pelorin {
namespace {

LRESULT CALLBACK watcherProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
  const bool anInterface = message == WM_DEVICECHANGE && header != nullptr &&
                           header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE;
  if (anInterface && (wParam == DBT_DEVICEARRIVAL || wParam == DBT_DEVICEREMOVECOMPLETE)) {
    const auto* listener =
        reinterpret_cast<const HidBus::ChangeListener*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    (*listener)(wParam == DBT_DEVICEARRIVAL ? HidChange::Arrival : HidChange::Removal);
    return TRUE;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

void registerWatcherClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = watcherProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = HidChangeWatcher::kWindowClass;
  ::RegisterClassExW(&windowClass);  // a second watcher finds it registered
}

}  // namespace

HidChangeWatcher::HidChangeWatcher(HidBus::ChangeListener listener)
    : listener_(std::move(listener)) {
  std::promise<void> ready;
  auto started = ready.get_future();
  thread_ = std::thread([this, &ready] { run(ready); });
  started.wait();
}

HidChangeWatcher::~HidChangeWatcher() {
  ::PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  thread_.join();
}

void HidChangeWatcher::run(std::promise<void>& ready) {
  threadId_ = ::GetCurrentThreadId();
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  registerWatcherClass(instance);
  HWND window = ::CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  instance, &listener_);
  DEV_BROADCAST_DEVICEINTERFACE_W filter{};
  filter.dbcc_size = sizeof filter;
  filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  ::HidD_GetHidGuid(&filter.dbcc_classguid);
  HDEVNOTIFY registration = window != nullptr ? ::RegisterDeviceNotificationW(
                                                    window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE)
                                              : nullptr;
  // The window made this thread's message queue, so the quit posted by the destructor arrives.
  ready.set_value();
  MSG message;
  while (window != nullptr && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::DispatchMessageW(&message);
  }
  if (registration != nullptr) ::UnregisterDeviceNotification(registration);
  if (window != nullptr) ::DestroyWindow(window);
}

}  // namespace pelorin
