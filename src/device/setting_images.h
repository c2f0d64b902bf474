#pragma once
// The bytes of every setting command, built from a profile. Each builder is pure, so the
// dispatcher, the priming and the tests all see exactly what would go to the mouse.
#include <array>
#include <cstdint>

#include "device/feature_report.h"
#include "profile/profile_record.h"

namespace pelorin {

constexpr std::size_t kDevicePositions = 5;

// A setting command's share of its report: the length byte (byte 6) and the payload after it.
// Bytes past the length stay zero, except for the lighting command, which carries its whole
// image whatever length it announces.
struct SettingPayload {
  std::uint8_t length = 0;
  std::array<std::uint8_t, kMaxPayload> bytes{};
  bool operator==(const SettingPayload&) const = default;
};

// The profile key sent at a device position: the last two keys trade places on the mouse.
std::size_t keyAtDevicePosition(std::size_t position);

// Position, then the three code bytes of the key at that position.
SettingPayload buildButton(const ProfileRecord& profile, std::size_t position);
SettingPayload buildDpiLevels(const ProfileRecord& profile);
SettingPayload buildDpiColours(const ProfileRecord& profile);
SettingPayload buildPollingRate(const ProfileRecord& profile);
SettingPayload buildLiftOff(const ProfileRecord& profile);
SettingPayload buildDebounce(const ProfileRecord& profile);
// The lighting image without its length byte, which is the payload's length.
SettingPayload buildLighting(const ProfileRecord& profile);
SettingPayload buildPower(const ProfileRecord& profile);
SettingPayload buildMotionWakeup(const ProfileRecord& profile);

}  // namespace pelorin
