#pragma once
// Arrival and removal of hidraw nodes, reported on a watcher thread of its own. A plugged product
// brings several nodes at once; the notices of one burst are folded into at most one removal
// followed by one arrival, so the receiver rescans once rather than once per node.
#include <functional>
#include <memory>
#include <thread>

#include "platform/hid_bus.h"
#include "platform/linux/hidraw_fd.h"
#include "platform/linux/hidraw_hotplug_source.h"

namespace pelorin {

class HidrawHotplug {
 public:
  using Listener = std::function<void(HidChange)>;
  // Starts watching at once. The listener must not destroy this object.
  HidrawHotplug(std::unique_ptr<HotplugSource> source, Listener listener);
  ~HidrawHotplug();
  HidrawHotplug(const HidrawHotplug&) = delete;
  HidrawHotplug& operator=(const HidrawHotplug&) = delete;

 private:
  void run();
  HotplugSource::Changes collectBurst();

  std::unique_ptr<HotplugSource> source_;
  Listener listener_;
  HidrawFd stop_;
  std::thread thread_;
};

}  // namespace pelorin
