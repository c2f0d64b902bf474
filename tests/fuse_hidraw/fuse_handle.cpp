#define FUSE_USE_VERSION 312
#include "fuse_hidraw/fuse_handle.h"

#include <fuse3/fuse.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/ioctl.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace pelorin::testing {

FuseHandle::FuseHandle(std::unique_ptr<HidDevice> device) : device_(std::move(device)) {
  if (device_->info().inputReportLength > 0) pump_ = std::thread([this] { pump(); });
}

FuseHandle::~FuseHandle() {
  device_->cancel();
  if (pump_.joinable()) pump_.join();
  if (poller_ != nullptr) fuse_pollhandle_destroy(poller_);
}

void FuseHandle::pump() {
  std::vector<std::uint8_t> report(device_->info().inputReportLength);
  while (device_->readInput(report)) {
    std::lock_guard lock(mutex_);
    reports_.push_back(report);
    changed_.notify_all();
    wakePoller();
  }
  end();
}

void FuseHandle::end() {
  std::lock_guard lock(mutex_);
  ended_ = true;
  changed_.notify_all();
  wakePoller();
}

void FuseHandle::wakePoller() {
  if (poller_ == nullptr) return;
  fuse_notify_poll(poller_);
  fuse_pollhandle_destroy(poller_);
  poller_ = nullptr;
}

int FuseHandle::read(char* buffer, std::size_t size, bool nonBlocking) {
  std::unique_lock lock(mutex_);
  if (!nonBlocking) changed_.wait(lock, [this] { return ended_ || !reports_.empty(); });
  if (reports_.empty()) return ended_ ? -EIO : -EAGAIN;
  const auto& report = reports_.front();
  std::size_t count = std::min(size, report.size());
  std::memcpy(buffer, report.data(), count);
  reports_.pop_front();
  return static_cast<int>(count);
}

unsigned FuseHandle::poll(fuse_pollhandle* poller) {
  std::lock_guard lock(mutex_);
  if (poller != nullptr) {
    if (poller_ != nullptr) fuse_pollhandle_destroy(poller_);
    poller_ = poller;
  }
  if (!reports_.empty()) return POLLIN | POLLRDNORM;
  return ended_ ? POLLHUP | POLLERR : 0;
}

int FuseHandle::ioctl(unsigned command, void* data) {
  if (_IOC_TYPE(command) != 'H') return -ENOTTY;
  std::span<std::uint8_t> report(static_cast<std::uint8_t*>(data), _IOC_SIZE(command));
  bool ok = false;
  if (_IOC_NR(command) == _IOC_NR(HIDIOCSFEATURE(0))) {
    ok = device_->setFeature(report).ok();
  } else if (_IOC_NR(command) == _IOC_NR(HIDIOCGFEATURE(0))) {
    ok = device_->getFeature(report).ok();
  } else {
    return -ENOTTY;
  }
  return ok ? static_cast<int>(report.size()) : -EIO;
}

}  // namespace pelorin::testing
