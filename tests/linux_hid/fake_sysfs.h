#pragma once
// A sysfs tree laid out as the kernel does it for hidraw nodes:
//   devices/<usb path>/<HID device>/{uevent,report_descriptor,hidraw/hidrawN}
//   class/hidraw/hidrawN -> the node folder, whose "device" link leads back to the HID device.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace pelorin::testing {

struct FakeHidNode {
  std::string name;        // "hidraw3"
  std::string devicePath;  // "usb1/1-2/1-2:1.1/0003:248A:5B2E.0004"
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  std::vector<std::uint8_t> descriptor;
};

class FakeSysfs {
 public:
  explicit FakeSysfs(std::filesystem::path root);
  void add(const FakeHidNode& node) const;
  void remove(const std::string& name) const;
  const std::filesystem::path& root() const { return root_; }

 private:
  std::filesystem::path root_;
};

}  // namespace pelorin::testing
