#pragma once
// Where change notices for hidraw nodes come from. With udevd running and the real device folder,
// udev's announcements are used: they come after the rules have set the node's permissions.
// Otherwise the device folder is watched with inotify, which sees the nodes devtmpfs creates
// without udevd, and any folder a test serves.
#include <filesystem>
#include <memory>

#include "platform/linux/hidraw_roots.h"

namespace pelorin {

class HotplugSource {
 public:
  virtual ~HotplugSource() = default;
  // Becomes readable when notices are waiting.
  virtual int fd() const = 0;
  struct Changes {
    bool arrival = false;
    bool removal = false;
  };
  // Takes every waiting notice without blocking.
  virtual Changes drain() = 0;
};

std::unique_ptr<HotplugSource> createInotifySource(const std::filesystem::path& folder);
std::unique_ptr<HotplugSource> createUdevSource();

// The source the roots call for; nullptr when it cannot be set up.
std::unique_ptr<HotplugSource> createHotplugSource(const HidrawRoots& roots);

}  // namespace pelorin
