#pragma once
// What was last sent (or primed) for every setting command and macro slot. A command goes to the
// mouse only when its newly built bytes differ from these.
#include <array>
#include <cstdint>

#include "device/setting_images.h"

namespace pelorin {

constexpr std::size_t kMacroSlotCount = 15;
constexpr std::size_t kMacroImageSize = 512;
using MacroImage = std::array<std::uint8_t, kMacroImageSize>;

struct LastSentImages {
  ButtonImage buttons{};
  DpiLevelsPayload dpiLevels{};
  DpiColoursPayload dpiColours{};
  std::uint8_t pollingInterval = 0;
  std::uint8_t liftOff = 0;
  std::uint8_t debounce = 0;
  std::uint8_t motionWakeup = 0;
  PowerPayload power{};
  LightingImage lighting{};
  std::array<MacroImage, kMacroSlotCount> macros{};  // slots 1..15 at 0..14
};

}  // namespace pelorin
