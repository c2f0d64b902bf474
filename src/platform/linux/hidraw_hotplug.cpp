#include "platform/linux/hidraw_hotplug.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>

namespace pelorin {
namespace {

// A burst ends after this much quiet; a flood is cut off after the longest wait.
constexpr int kQuietMs = 50;
constexpr auto kLongestBurst = std::chrono::seconds(1);

enum class Ready { Source, Stop, Timeout };

Ready waitFor(int source, int stop, int timeoutMs) {
  pollfd fds[2] = {{source, POLLIN, 0}, {stop, POLLIN, 0}};
  for (;;) {
    int count = ::poll(fds, 2, timeoutMs);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0 || fds[1].revents != 0) return Ready::Stop;
    return count == 0 ? Ready::Timeout : Ready::Source;
  }
}

}  // namespace

std::unique_ptr<HotplugSource> createHotplugSource(const HidrawRoots& roots) {
  // udevd answers on this socket while it runs.
  bool udevRunning = ::access("/run/udev/control", F_OK) == 0;
  if (udevRunning && roots.dev == "/dev") {
    if (auto source = createUdevSource()) return source;
  }
  return createInotifySource(roots.dev);
}

HidrawHotplug::HidrawHotplug(std::unique_ptr<HotplugSource> source, Listener listener)
    : source_(std::move(source)),
      listener_(std::move(listener)),
      stop_(::eventfd(0, EFD_CLOEXEC)),
      thread_([this] { run(); }) {}

HidrawHotplug::~HidrawHotplug() {
  std::uint64_t one = 1;
  (void)::write(stop_.get(), &one, sizeof one);
  thread_.join();
}

void HidrawHotplug::run() {
  while (waitFor(source_->fd(), stop_.get(), -1) == Ready::Source) {
    auto changes = collectBurst();
    if (changes.removal) listener_(HidChange::Removal);
    if (changes.arrival) listener_(HidChange::Arrival);
  }
}

HotplugSource::Changes HidrawHotplug::collectBurst() {
  HotplugSource::Changes changes;
  auto deadline = std::chrono::steady_clock::now() + kLongestBurst;
  Ready ready = Ready::Source;
  while (ready == Ready::Source && std::chrono::steady_clock::now() < deadline) {
    auto more = source_->drain();
    changes.arrival |= more.arrival;
    changes.removal |= more.removal;
    ready = waitFor(source_->fd(), stop_.get(), kQuietMs);
  }
  return changes;
}

}  // namespace pelorin
