#pragma once
// The HID bus of a Linux machine: interfaces from sysfs, devices through their hidraw nodes.
#include <memory>
#include <mutex>

#include "platform/hid_bus.h"
#include "platform/linux/hidraw_hotplug.h"
#include "platform/linux/hidraw_roots.h"

namespace pelorin {

class HidrawBus final : public HidBus {
 public:
  explicit HidrawBus(HidrawRoots roots);

  std::vector<HidInterfaceInfo> enumerate() override;
  // Only paths as enumerate() gives them; one sysfs no longer describes is NotFound.
  std::unique_ptr<HidDevice> open(const std::string& path, HidOpenError* error) override;
  // Starts watching on the first listener; an empty listener stops. Not from inside the listener.
  void setChangeListener(ChangeListener listener) override;

 private:
  HidrawRoots roots_;
  std::mutex watchMutex_;
  std::unique_ptr<HidrawHotplug> hotplug_;
};

}  // namespace pelorin
