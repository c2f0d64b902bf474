#pragma once
// Arrivals and removals of HID interfaces: RegisterDeviceNotificationW needs a window, so a
// thread of the watcher's own keeps a message-only window registered for the HID class, and
// calls the listener there. The watcher runs from construction to destruction.
#include <future>
#include <thread>

#include "platform/hid_bus.h"

namespace pelorin {

class HidChangeWatcher {
 public:
  // The name of the message-only window's class, by which a test finds it.
  static constexpr const wchar_t* kWindowClass = L"PelorinHidChanges";

  explicit HidChangeWatcher(HidBus::ChangeListener listener);
  ~HidChangeWatcher();
  HidChangeWatcher(const HidChangeWatcher&) = delete;
  HidChangeWatcher& operator=(const HidChangeWatcher&) = delete;

 private:
  void run(std::promise<void>& ready);

  HidBus::ChangeListener listener_;
  unsigned long threadId_ = 0;
  std::thread thread_;
};

}  // namespace pelorin
