#pragma once
// One four-byte macro action. The byte order b0 b1 b2 b3 is the same in memory, in every text form
// and on the way to the mouse, so the record is kept as four named bytes rather than one integer.
#include <cstdint>

namespace pelorin {

struct MacroAction {
  std::uint8_t b0 = 0;
  std::uint8_t b1 = 0;
  std::uint8_t b2 = 0;
  std::uint8_t b3 = 0;

  friend bool operator==(const MacroAction&, const MacroAction&) = default;

  // Every kind from 0 to 7 counts as a delay, although the program itself only writes 3.
  constexpr bool isDelay() const { return b0 <= 7; }
  constexpr bool isRelease() const { return b1 >= 0x80; }
  // Delay length: 24 bits, big-endian over b1 b2 b3.
  constexpr std::uint32_t delayMs() const {
    return (std::uint32_t{b1} << 16) | (std::uint32_t{b2} << 8) | b3;
  }
  // Signed step of a move or wheel action (two's complement in b3).
  constexpr int step() const { return b3 > 0x7F ? int{b3} - 256 : int{b3}; }

  static constexpr MacroAction delay(std::uint32_t ms) {
    return {3, static_cast<std::uint8_t>(ms >> 16), static_cast<std::uint8_t>(ms >> 8),
            static_cast<std::uint8_t>(ms)};
  }
  static constexpr MacroAction press(std::uint8_t code) { return {code, 0x00, 0, 0}; }
  static constexpr MacroAction release(std::uint8_t code) { return {code, 0x80, 0, 0}; }
  static constexpr MacroAction move(std::uint8_t axisCode, int step) {
    return {axisCode, 0, 0, static_cast<std::uint8_t>(step & 0xFF)};
  }
};

// Codes 0xE0..0xE7 extend the virtual-key space with the mouse's own inputs.
namespace macro_code {
constexpr std::uint8_t kLeftButton = 0xE0;
constexpr std::uint8_t kRightButton = 0xE1;
constexpr std::uint8_t kMiddleButton = 0xE2;
constexpr std::uint8_t kFourthButton = 0xE3;
constexpr std::uint8_t kFifthButton = 0xE4;
constexpr std::uint8_t kMoveX = 0xE5;
constexpr std::uint8_t kMoveY = 0xE6;
constexpr std::uint8_t kWheel = 0xE7;
// Placeholder key of a freshly inserted key stroke: the letter A.
constexpr std::uint8_t kPlaceholderKey = 0x41;
}  // namespace macro_code

// The delay between press and release of an inserted click or key stroke, and the initial value
// of an inserted delay.
constexpr std::uint32_t kClickGapMs = 50;
constexpr std::uint32_t kInsertedDelayMs = 100;

}  // namespace pelorin
