#pragma once
// What the session last sent (or primed) for every setting command and macro slot. A command goes
// to the mouse only when its newly built bytes differ from these; an empty entry is unknown and
// differs from anything.
#include <array>
#include <cstdint>
#include <optional>

#include "device/setting_commands.h"

namespace pelorin {

constexpr std::size_t kMacroSlotCount = 15;
constexpr std::size_t kMacroImageSize = 512;
using MacroImage = std::array<std::uint8_t, kMacroImageSize>;

struct LastSentImages {
  std::array<std::optional<SettingPayload>, kSettingCommandCount> settings;  // by table row
  std::array<std::optional<MacroImage>, kMacroSlotCount> macros;             // slots 1..15

  void forget() { *this = {}; }
};

}  // namespace pelorin
