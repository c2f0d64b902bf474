#include "device/setting_commands.h"

#include <algorithm>
#include <array>

namespace pelorin {
namespace {

template <std::size_t Position>
SettingPayload buttonAt(const ProfileRecord& profile) {
  return buildButton(profile, Position);
}

using G = SettingGroup;
using C = DeviceCommand;

constexpr std::array<SettingCommand, kSettingCommandCount> kCommands{{
    {C::SetButton, G::Buttons, buttonAt<0>, 4, true},
    {C::SetButton, G::Buttons, buttonAt<1>, 4, true},
    {C::SetButton, G::Buttons, buttonAt<2>, 4, true},
    {C::SetButton, G::Buttons, buttonAt<3>, 4, true},
    {C::SetButton, G::Buttons, buttonAt<4>, 4, true},
    // All 18 bytes: the last is the high byte of level 8's step.
    {C::SetDpiLevels, G::Performance, buildDpiLevels, 18, false},
    {C::SetDpiColors, G::Performance, buildDpiColours, 24, false},
    {C::SetPollingRate, G::Performance, buildPollingRate, 1, false},
    {C::SetLiftOff, G::Performance, buildLiftOff, 2, false},
    {C::SetDebounce, G::Performance, buildDebounce, 1, false},
    {C::SetLighting, G::Performance, buildLighting, kComparedAsAnnounced, false},
    {C::SetPower, G::Power, buildPower, 2, false},
    {C::SetMotionWakeup, G::MotionWakeup, buildMotionWakeup, 1, false},
}};

}  // namespace

std::span<const SettingCommand> settingCommands() {
  return kCommands;
}

bool sameAsSent(const SettingCommand& command, const SettingPayload& built,
                const SettingPayload& sent) {
  std::size_t compared = command.compared;
  if (compared == kComparedAsAnnounced) {
    if (built.length != sent.length) return false;
    compared = built.length;
  }
  compared = std::min(compared, built.bytes.size());
  return std::equal(built.bytes.begin(), built.bytes.begin() + static_cast<long>(compared),
                    sent.bytes.begin());
}

std::size_t settingRow(DeviceCommand code) {
  const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                  [code](const SettingCommand& c) { return c.code == code; });
  return static_cast<std::size_t>(found - kCommands.begin());
}

}  // namespace pelorin
