#include <sys/inotify.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "platform/linux/hidraw_fd.h"
#include "platform/linux/hidraw_hotplug_source.h"

namespace pelorin {
namespace {

// Created or given new permissions (udev's uaccess rule arrives as an attribute change): a node
// that may now be opened. Deleted or moved away: a node gone.
constexpr std::uint32_t kArrivalMask = IN_CREATE | IN_MOVED_TO | IN_ATTRIB;
constexpr std::uint32_t kRemovalMask = IN_DELETE | IN_MOVED_FROM;

class InotifySource final : public HotplugSource {
 public:
  explicit InotifySource(HidrawFd fd) : fd_(std::move(fd)) {}
  int fd() const override { return fd_.get(); }

  Changes drain() override {
    Changes changes;
    alignas(inotify_event) std::array<char, 4096> buffer;
    for (;;) {
      ssize_t count = ::read(fd_.get(), buffer.data(), buffer.size());
      if (count <= 0) return changes;
      for (ssize_t offset = 0; offset < count;) {
        inotify_event event;
        std::memcpy(&event, buffer.data() + offset, sizeof event);
        note(event, buffer.data() + offset + sizeof event, changes);
        offset += static_cast<ssize_t>(sizeof event + event.len);
      }
    }
  }

 private:
  static void note(const inotify_event& event, const char* name, Changes& changes) {
    // Lost notices could have been anything.
    if ((event.mask & IN_Q_OVERFLOW) != 0) {
      changes.arrival = changes.removal = true;
      return;
    }
    if (event.len == 0 || !std::string_view(name).starts_with("hidraw")) return;
    if ((event.mask & kArrivalMask) != 0) changes.arrival = true;
    if ((event.mask & kRemovalMask) != 0) changes.removal = true;
  }

  HidrawFd fd_;
};

}  // namespace

std::unique_ptr<HotplugSource> createInotifySource(const std::filesystem::path& folder) {
  HidrawFd fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
  if (!fd.valid()) return nullptr;
  if (::inotify_add_watch(fd.get(), folder.c_str(), kArrivalMask | kRemovalMask) < 0) {
    return nullptr;
  }
  return std::make_unique<InotifySource>(std::move(fd));
}

}  // namespace pelorin
