#include "platform/linux/hidraw_bus.h"

#include "platform/linux/hidraw_device.h"
#include "platform/linux/hidraw_permission.h"
#include "platform/linux/hidraw_sysfs.h"
#include "platform/native_hid_bus.h"

namespace pelorin {

HidrawBus::HidrawBus(HidrawRoots roots) : roots_(std::move(roots)) {}

std::vector<HidInterfaceInfo> HidrawBus::enumerate() {
  return enumerateHidrawNodes(roots_);
}

std::unique_ptr<HidDevice> HidrawBus::open(const std::string& path, HidOpenError* error) {
  auto info = describeHidrawNode(roots_, std::filesystem::path(path).filename());
  if (!info || info->path != path) {
    if (error != nullptr) *error = HidOpenError::NotFound;
    return nullptr;
  }
  return HidrawDevice::open(*info, error);
}

void HidrawBus::setChangeListener(ChangeListener listener) {
  std::lock_guard lock(watchMutex_);
  hotplug_.reset();
  if (!listener) return;
  auto source = createHotplugSource(roots_);
  if (source) hotplug_ = std::make_unique<HidrawHotplug>(std::move(source), std::move(listener));
}

std::unique_ptr<HidBus> createNativeHidBus() {
  return std::make_unique<HidrawBus>(HidrawRoots::fromEnvironment());
}

std::string nativePermissionHint() {
  return permissionHint();
}

}  // namespace pelorin
