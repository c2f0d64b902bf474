#pragma once
// One open hidraw node. Reads wait in poll() on the node and on a wake-up eventfd, so cancel() from
// any thread ends a blocked readInput at once, which a bare read() on the node could not.
#include <memory>
#include <string>

#include "platform/hid_bus.h"
#include "platform/linux/hidraw_fd.h"

namespace pelorin {

class HidrawDevice final : public HidDevice {
 public:
  // nullptr on failure, with the reason in error when given.
  static std::unique_ptr<HidrawDevice> open(const HidInterfaceInfo& info, HidOpenError* error);

  HidInterfaceInfo info() const override { return info_; }
  HidResult setFeature(std::span<const std::uint8_t> report) override;
  HidResult getFeature(std::span<std::uint8_t> report) override;
  HidResult readInput(std::span<std::uint8_t> report) override;
  void cancel() override;

 private:
  HidrawDevice(HidrawFd node, HidrawFd wake, const HidInterfaceInfo& info);

  enum class Wait { Readable, Cancelled, Gone };
  Wait waitReadable() const;

  HidrawFd node_;
  HidrawFd wake_;
  HidInterfaceInfo info_;
};

// How an open() failure looks to the program.
HidOpenError openErrorFromErrno(int error);

}  // namespace pelorin
