#pragma once
// The bytes of every setting command, built from a profile. Each builder is pure, so the
// dispatcher, the priming and the tests all see exactly what would go to the mouse.
#include <array>
#include <cstdint>

#include "profile/profile_record.h"

namespace pelorin {

constexpr std::size_t kButtonImageSize = 17;  // 0x0C, 0x71, then 5 x 3 code bytes
constexpr std::size_t kDpiLevelsSize = 18;
constexpr std::size_t kDpiColoursSize = 24;
constexpr std::size_t kLightingImageSize = 25;  // length byte, then up to 24 bytes
constexpr std::size_t kDevicePositions = 5;

using ButtonImage = std::array<std::uint8_t, kButtonImageSize>;
using DpiLevelsPayload = std::array<std::uint8_t, kDpiLevelsSize>;
using DpiColoursPayload = std::array<std::uint8_t, kDpiColoursSize>;
using LightingImage = std::array<std::uint8_t, kLightingImageSize>;
using PowerPayload = std::array<std::uint8_t, 2>;
using LiftOffPayload = std::array<std::uint8_t, 2>;

// The profile key sent at a device position: the last two keys trade places on the mouse.
std::size_t keyAtDevicePosition(std::size_t position);

ButtonImage buildButtonImage(const ProfileRecord& profile);
DpiLevelsPayload buildDpiLevels(const ProfileRecord& profile);
DpiColoursPayload buildDpiColours(const ProfileRecord& profile);
std::uint8_t buildPollingInterval(const ProfileRecord& profile);
LiftOffPayload buildLiftOff(const ProfileRecord& profile);
std::uint8_t buildDebounce(const ProfileRecord& profile);
PowerPayload buildPower(const ProfileRecord& profile);
std::uint8_t buildMotionWakeup(const ProfileRecord& profile);
LightingImage buildLightingImage(const ProfileRecord& profile);

}  // namespace pelorin
