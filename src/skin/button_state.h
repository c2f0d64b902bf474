#pragma once
// The three looks every skinned button moves between, and the caption colour of each.
#include "platform/colour.h"

namespace pelorin {

enum class ButtonState { Normal = 0, Over = 1, Down = 2 };

constexpr Colour captionColour(ButtonState state) {
  switch (state) {
    case ButtonState::Over:
      return 0xFFFFFF;
    case ButtonState::Down:
      return 0x00FFFF;
    case ButtonState::Normal:
      break;
  }
  return 0xB4B4B4;
}

}  // namespace pelorin
