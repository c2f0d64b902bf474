#pragma once
// Pointer and keyboard input as a window's client receives it.
#include <cstdint>

namespace pelorin {

enum class MouseAction : std::uint8_t {
  Move,
  Leave,  // only after trackMouse, once per request
  Hover,  // only after trackMouse, once per request
  LeftDown,
  LeftUp,
  LeftDoubleClick,  // takes the place of the second LeftDown
  RightDown,
  RightUp,
  Wheel,
};

// Button and modifier state carried with every pointer event.
namespace mouse_flags {
constexpr unsigned kLeft = 0x1;
constexpr unsigned kRight = 0x2;
constexpr unsigned kShift = 0x4;
constexpr unsigned kControl = 0x8;
}  // namespace mouse_flags

struct MouseEvent {
  MouseAction action = MouseAction::Move;
  int x = 0;  // client coordinates; (-1, -1) when unknown
  int y = 0;
  unsigned flags = 0;
  int wheelDelta = 0;  // multiples of 120, positive away from the user
};

struct KeyEvent {
  bool down = true;
  int virtualKey = 0;  // see virtual_keys.h
  bool repeat = false;
  unsigned modifiers = 0;  // mouse_flags::kShift and kControl held when the key went down
};

}  // namespace pelorin
