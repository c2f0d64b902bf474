#pragma once
// Windows virtual-key codes to the HID keyboard usages (or the mouse's pseudo-codes) used inside
// button codes and macros. Unmapped keys give 0.
#include <cstdint>

namespace pelorin {

class VkToUsageTable {
 public:
  // Indices outside 0..255 have no mapping.
  static std::uint8_t usage(int virtualKey);
};

}  // namespace pelorin
