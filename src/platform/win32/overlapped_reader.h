#pragma once
// Blocking reads on a handle opened for overlapped I/O that another thread can cancel: the read
// waits on its own completion and on a cancel event, and a cancel stops the pending I/O before
// the buffer goes away. Once cancelled, every later read fails at once.
#include <cstdint>
#include <span>

#include "platform/hid_bus.h"
#include "platform/win32/owned_handle.h"

namespace pelorin {

class OverlappedReader {
 public:
  // file must outlive the reader.
  explicit OverlappedReader(HANDLE file);

  // One read of at most buffer.size() bytes.
  HidResult read(std::span<std::uint8_t> buffer);
  // From any thread.
  void cancel();

 private:
  HANDLE file_;
  OwnedHandle done_;
  OwnedHandle cancelled_;
};

}  // namespace pelorin
