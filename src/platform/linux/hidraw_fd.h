#pragma once
// An owned file descriptor, closed when the owner goes.
#include <unistd.h>

#include <utility>

namespace pelorin {

class HidrawFd {
 public:
  HidrawFd() = default;
  explicit HidrawFd(int fd) : fd_(fd) {}
  HidrawFd(HidrawFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  HidrawFd& operator=(HidrawFd&& other) noexcept {
    if (this != &other) reset(std::exchange(other.fd_, -1));
    return *this;
  }
  HidrawFd(const HidrawFd&) = delete;
  HidrawFd& operator=(const HidrawFd&) = delete;
  ~HidrawFd() { reset(-1); }

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }

 private:
  void reset(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }

  int fd_ = -1;
};

}  // namespace pelorin
