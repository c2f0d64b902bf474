#pragma once
// One running copy per user session: a named mutex marks the first; a later start finds the
// first one's main window by its class and sends it the activation message, then ends.
#include <memory>

#include "platform/single_instance.h"
#include "platform/win32/owned_handle.h"

namespace pelorin {

class Win32SingleInstance final : public SingleInstance {
 public:
  static constexpr const wchar_t* kMutexName = L"20210610 Mouse 33XX";

  // Null when another instance runs (it has been asked to show itself, if its window exists).
  static std::unique_ptr<Win32SingleInstance> claim();

  // The main window's class is where a later start sends its request, so the message reaches
  // the window's client without being forwarded.
  void forwardTo(WindowSystem&, WindowId) override {}

 private:
  explicit Win32SingleInstance(OwnedHandle mutex) : mutex_(std::move(mutex)) {}

  // Held, never released, until the process ends.
  OwnedHandle mutex_;
};

}  // namespace pelorin
