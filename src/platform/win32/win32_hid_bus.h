#pragma once
// The HID bus of a Windows machine: interfaces through SETUPAPI, devices through HID.DLL.
#include <memory>
#include <mutex>

#include "platform/hid_bus.h"
#include "platform/win32/hid_change_watcher.h"

namespace pelorin {

class Win32HidBus final : public HidBus {
 public:
  // Every present HID interface that opens for queries, in SETUPAPI's order.
  std::vector<HidInterfaceInfo> enumerate() override;
  std::unique_ptr<HidDevice> open(const std::string& path, HidOpenError* error) override;
  // Starts watching on the first listener; an empty listener stops. Not from inside the listener.
  void setChangeListener(ChangeListener listener) override;

 private:
  std::mutex watchMutex_;
  std::unique_ptr<HidChangeWatcher> watcher_;
};

}  // namespace pelorin
