#pragma once
// The three bytes that give a button its function. The mouse interprets them directly, so the
// program stores and sends them unchanged and never derives a caption back from them.
#include <cstdint>

namespace pelorin {

struct AssignmentCode {
  std::uint8_t type = 0;
  std::uint8_t param1 = 0;
  std::uint8_t param2 = 0;

  friend bool operator==(const AssignmentCode&, const AssignmentCode&) = default;
};

namespace code_type {
constexpr std::uint8_t kDisabled = 0x00;
constexpr std::uint8_t kProgramLaunch = 0x0F;
constexpr std::uint8_t kMouseButton = 0x10;
constexpr std::uint8_t kProfileUp = 0x11;
constexpr std::uint8_t kProfileDown = 0x12;
constexpr std::uint8_t kFireKey = 0x30;
constexpr std::uint8_t kDpiFunction = 0x40;
constexpr std::uint8_t kDpiLock = 0x50;
constexpr std::uint8_t kMenuEntry33 = 0x60;
constexpr std::uint8_t kKeyboard = 0x70;
constexpr std::uint8_t kConsumer = 0x80;
constexpr std::uint8_t kMacro = 0x90;
}  // namespace code_type

// Button masks of type 0x10; mask 0 is the profile cycle.
namespace button_mask {
constexpr std::uint8_t kLeft = 0x01;
constexpr std::uint8_t kRight = 0x02;
constexpr std::uint8_t kMiddle = 0x04;
constexpr std::uint8_t kBack = 0x08;
constexpr std::uint8_t kForward = 0x10;
}  // namespace button_mask

// Modifier mask of type 0x70: the HID left-modifier bits.
namespace modifier_mask {
constexpr std::uint8_t kCtrl = 0x01;
constexpr std::uint8_t kShift = 0x02;
constexpr std::uint8_t kAlt = 0x04;
constexpr std::uint8_t kWin = 0x08;
}  // namespace modifier_mask

}  // namespace pelorin
