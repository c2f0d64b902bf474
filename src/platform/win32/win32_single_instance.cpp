#include "platform/win32/win32_single_instance.h"

#include "platform/win32/win32_window_system.h"

namespace pelorin {

std::unique_ptr<Win32SingleInstance> Win32SingleInstance::claim() {
  OwnedHandle mutex(::CreateMutexW(nullptr, FALSE, kMutexName));
  // Any other failure goes on as the first instance.
  if (::GetLastError() != ERROR_ALREADY_EXISTS) {
    return std::unique_ptr<Win32SingleInstance>(new Win32SingleInstance(std::move(mutex)));
  }
  if (HWND first = ::FindWindowW(Win32WindowSystem::kMainClass, nullptr); first != nullptr) {
    ::SendMessageW(first, msg::kActivateInstance, 0, 0);
  }
  return nullptr;
}

}  // namespace pelorin
