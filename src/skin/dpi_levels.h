#pragma once
// Which DPI levels the level captions show as switched on: choosing level k switches on levels
// 1 to k + 1. The application owns the one instance shared by the eight level captions.
#include <cstdint>

namespace pelorin {

class DpiLevels {
 public:
  static constexpr int kLevelCount = 8;

  // Levels 0..index on, the rest off; an index outside 0..7 changes nothing.
  void choose(int index) {
    if (index < 0 || index >= kLevelCount) return;
    bits_ = static_cast<std::uint8_t>((1u << (index + 1)) - 1u);
  }
  bool on(int index) const { return index >= 0 && index < kLevelCount && (bits_ >> index) & 1u; }
  std::uint8_t bits() const { return bits_; }
  void setBits(std::uint8_t bits) { bits_ = bits; }

 private:
  std::uint8_t bits_ = 0;
};

}  // namespace pelorin
