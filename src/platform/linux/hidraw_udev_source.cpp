#include <libudev.h>

#include <string_view>

#include "platform/linux/hidraw_hotplug_source.h"

namespace pelorin {
namespace {

struct UdevDeleter {
  void operator()(udev* context) const { udev_unref(context); }
  void operator()(udev_monitor* monitor) const { udev_monitor_unref(monitor); }
  void operator()(udev_device* device) const { udev_device_unref(device); }
};

template <typename T>
using UdevPtr = std::unique_ptr<T, UdevDeleter>;

class UdevSource final : public HotplugSource {
 public:
  UdevSource(UdevPtr<udev> context, UdevPtr<udev_monitor> monitor)
      : context_(std::move(context)), monitor_(std::move(monitor)) {}
  int fd() const override { return udev_monitor_get_fd(monitor_.get()); }

  Changes drain() override {
    Changes changes;
    // The monitor's socket does not block: a null device means nothing more is waiting.
    while (UdevPtr<udev_device> device{udev_monitor_receive_device(monitor_.get())}) {
      const char* action = udev_device_get_action(device.get());
      std::string_view what = action != nullptr ? action : "";
      if (what == "add") changes.arrival = true;
      if (what == "remove") changes.removal = true;
    }
    return changes;
  }

 private:
  UdevPtr<udev> context_;
  UdevPtr<udev_monitor> monitor_;
};

}  // namespace

std::unique_ptr<HotplugSource> createUdevSource() {
  UdevPtr<udev> context{udev_new()};
  if (!context) return nullptr;
  UdevPtr<udev_monitor> monitor{udev_monitor_new_from_netlink(context.get(), "udev")};
  if (!monitor ||
      udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), "hidraw", nullptr) < 0 ||
      udev_monitor_enable_receiving(monitor.get()) < 0) {
    return nullptr;
  }
  return std::make_unique<UdevSource>(std::move(context), std::move(monitor));
}

}  // namespace pelorin
