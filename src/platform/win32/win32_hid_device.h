#pragma once
// One open HID interface: feature reports through HID.DLL, input reports through overlapped
// ReadFile, so cancel() from any thread ends a blocked readInput at once.
#include <memory>
#include <string>

#include "platform/hid_bus.h"
#include "platform/win32/overlapped_reader.h"
#include "platform/win32/owned_handle.h"

namespace pelorin {

class Win32HidDevice final : public HidDevice {
 public:
  // nullptr on failure, with the reason in error when given.
  static std::unique_ptr<Win32HidDevice> open(const std::string& path, HidOpenError* error);

  HidInterfaceInfo info() const override { return info_; }
  HidResult setFeature(std::span<const std::uint8_t> report) override;
  HidResult getFeature(std::span<std::uint8_t> report) override;
  HidResult readInput(std::span<std::uint8_t> report) override;
  void cancel() override { reader_.cancel(); }

 private:
  Win32HidDevice(OwnedHandle file, const HidInterfaceInfo& info);

  OwnedHandle file_;
  HidInterfaceInfo info_;
  OverlappedReader reader_;
};

}  // namespace pelorin
