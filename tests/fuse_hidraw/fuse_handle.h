#pragma once
// One open of a served node: the device behind it, and a pump thread that moves its input reports
// into a queue that FUSE reads and polls look at.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/hid_bus.h"

struct fuse_pollhandle;

namespace pelorin::testing {

class FuseHandle {
 public:
  explicit FuseHandle(std::unique_ptr<HidDevice> device);
  ~FuseHandle();
  FuseHandle(const FuseHandle&) = delete;
  FuseHandle& operator=(const FuseHandle&) = delete;

  // Bytes read, or a negative errno: EAGAIN when empty and not blocking, EIO once gone.
  int read(char* buffer, std::size_t size, bool nonBlocking);
  // Poll events now; keeps the handle to notify the poller when that changes.
  unsigned poll(fuse_pollhandle* poller);
  // The hidraw feature ioctls; a negative errno otherwise.
  int ioctl(unsigned command, void* data);
  // The node was removed: reads fail and pollers see a hang-up.
  void end();

 private:
  void pump();
  void wakePoller();  // with mutex_ held

  std::unique_ptr<HidDevice> device_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::vector<std::uint8_t>> reports_;
  bool ended_ = false;
  fuse_pollhandle* poller_ = nullptr;
  std::thread pump_;
};

}  // namespace pelorin::testing
