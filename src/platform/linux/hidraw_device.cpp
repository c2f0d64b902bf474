#include "platform/linux/hidraw_device.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>

#include <cerrno>
#include <cstdint>
#include <system_error>
#include <vector>

namespace pelorin {

HidOpenError openErrorFromErrno(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return HidOpenError::PermissionDenied;
    case ENOENT:
    case ENODEV:
    case ENXIO:
      return HidOpenError::NotFound;
    default:
      return HidOpenError::Other;
  }
}

std::unique_ptr<HidrawDevice> HidrawDevice::open(const HidInterfaceInfo& info,
                                                 HidOpenError* error) {
  HidOpenError reason = HidOpenError::None;
  // Non-blocking so that a read never waits anywhere but in poll(), where cancel() reaches it.
  HidrawFd node(::open(info.path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
  HidrawFd wake;
  if (!node.valid()) {
    reason = openErrorFromErrno(errno);
  } else {
    wake = HidrawFd(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC));
    if (!wake.valid()) reason = HidOpenError::Other;
  }
  if (error != nullptr) *error = reason;
  if (reason != HidOpenError::None) return nullptr;
  return std::unique_ptr<HidrawDevice>(new HidrawDevice(std::move(node), std::move(wake), info));
}

HidrawDevice::HidrawDevice(HidrawFd node, HidrawFd wake, const HidInterfaceInfo& info)
    : node_(std::move(node)), wake_(std::move(wake)), info_(info) {}

namespace {

HidResult fromErrno() {
  return HidResult::failed(std::system_category().message(errno));
}

HidResult fromCount(long count) {
  return count < 0 ? fromErrno() : HidResult::done(static_cast<std::size_t>(count));
}

}  // namespace

HidResult HidrawDevice::setFeature(std::span<const std::uint8_t> report) {
  // The ioctl takes a writable buffer even for sending.
  std::vector<std::uint8_t> buffer(report.begin(), report.end());
  return fromCount(::ioctl(node_.get(), HIDIOCSFEATURE(buffer.size()), buffer.data()));
}

HidResult HidrawDevice::getFeature(std::span<std::uint8_t> report) {
  return fromCount(::ioctl(node_.get(), HIDIOCGFEATURE(report.size()), report.data()));
}

HidrawDevice::Wait HidrawDevice::waitReadable() const {
  pollfd fds[2] = {{node_.get(), POLLIN, 0}, {wake_.get(), POLLIN, 0}};
  for (;;) {
    if (::poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return Wait::Gone;
    }
    if (fds[1].revents != 0) return Wait::Cancelled;
    if ((fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) return Wait::Gone;
    if ((fds[0].revents & POLLIN) != 0) return Wait::Readable;
  }
}

HidResult HidrawDevice::readInput(std::span<std::uint8_t> report) {
  for (;;) {
    const Wait wait = waitReadable();
    if (wait == Wait::Cancelled) return HidResult::failed("read cancelled");
    if (wait == Wait::Gone) return HidResult::failed("device gone");
    ssize_t count = ::read(node_.get(), report.data(), report.size());
    if (count > 0) return HidResult::done(static_cast<std::size_t>(count));
    // Zero bytes: the node went away. EAGAIN: the report poll() saw was already taken.
    if (count == 0) return HidResult::failed("device gone");
    if (errno != EAGAIN && errno != EINTR) return fromErrno();
  }
}

void HidrawDevice::cancel() {
  // The counter stays non-zero, so every later read fails too.
  std::uint64_t one = 1;
  (void)::write(wake_.get(), &one, sizeof one);
}

}  // namespace pelorin
