#include "device/setting_images.h"

#include <bit>

#include "profile/value_domains.h"

namespace pelorin {
namespace {

template <typename... Bytes>
SettingPayload payloadOf(Bytes... values) {
  SettingPayload payload;
  payload.length = static_cast<std::uint8_t>(sizeof...(values));
  std::size_t at = 0;
  ((payload.bytes[at++] = static_cast<std::uint8_t>(values)), ...);
  return payload;
}

std::uint8_t low8(int value) {
  return static_cast<std::uint8_t>(value & 0xFF);
}

void putColour(std::uint8_t* at, ColourRef colour) {
  at[0] = static_cast<std::uint8_t>(colour & 0xFF);
  at[1] = static_cast<std::uint8_t>((colour >> 8) & 0xFF);
  at[2] = static_cast<std::uint8_t>((colour >> 16) & 0xFF);
}

// Lighting values come from the profile file, so modes and slots are taken as they are and only
// kept inside their tables.
std::size_t lightingMode(const ProfileRecord& profile) {
  return profile.Lighting1ModeValue[0];
}

std::uint8_t lightingTiming(const ProfileRecord& profile, std::size_t mode) {
  const unsigned brightness = profile.Lighting1Brightness[mode] + 1u;
  const unsigned speed = profile.Lighting1Speed[mode] + 1u;
  return static_cast<std::uint8_t>((brightness << 4) | (speed & 0x0F));
}

// Mode 2 lists the selected, non-black colours of its first seven slots.
void putColourList(SettingPayload& image, const ProfileRecord& profile) {
  std::uint8_t count = 0;
  for (std::size_t slot = 0; slot < 7; ++slot) {
    const ColourRef colour = profile.Lighting1FixedColor[2][slot];
    if (profile.Lighting1ColorSelected[2][slot] == 0 || colour == 0) continue;
    putColour(&image.bytes[3 + 3 * count], colour);
    ++count;
  }
  image.bytes[2] = count;
  image.length = static_cast<std::uint8_t>(3 * count + 3);
}

// Fixed places: an unselected slot is sent black so the mouse keeps the place.
void putFixedColours(SettingPayload& image, const ProfileRecord& profile, std::size_t mode,
                     std::size_t slots) {
  for (std::size_t slot = 0; slot < slots; ++slot) {
    if (profile.Lighting1ColorSelected[mode][slot] == 0) continue;
    putColour(&image.bytes[2 + 3 * slot], profile.Lighting1FixedColor[mode][slot]);
  }
}

}  // namespace

std::size_t keyAtDevicePosition(std::size_t position) {
  if (position == 3) return 4;
  if (position == 4) return 3;
  return position;
}

SettingPayload buildButton(const ProfileRecord& profile, std::size_t position) {
  const AssignmentCode& code = profile.keys[keyAtDevicePosition(position)].Value;
  return payloadOf(position, code.type, code.param1, code.param2);
}

SettingPayload buildDpiLevels(const ProfileRecord& profile) {
  SettingPayload payload;
  payload.length = 18;
  auto& bytes = payload.bytes;
  const auto enabled = static_cast<unsigned>(std::popcount(profile.DPIOffOnFlag));
  bytes[0] = static_cast<std::uint8_t>(((profile.CurrentDPILevel + 1u) << 4) | (enabled & 0x0F));
  bytes[1] = profile.DPIOffOnFlag;
  // Levels 1 to 5 always carry their steps; 6 to 8 only while enabled, so a profile of five
  // levels sends the same bytes as a mouse that knows only five.
  for (std::size_t level = 0; level < kDpiLevelCount; ++level) {
    if (level >= 5 && ((profile.DPIOffOnFlag >> level) & 1u) == 0) continue;
    bytes[2 + 2 * level] = static_cast<std::uint8_t>(profile.XYSetting[level] & 0xFF);
    bytes[3 + 2 * level] = static_cast<std::uint8_t>(profile.XYSetting[level] >> 8);
  }
  return payload;
}

SettingPayload buildDpiColours(const ProfileRecord& profile) {
  SettingPayload payload;
  payload.length = 24;
  for (std::size_t level = 0; level < kDpiLevelCount; ++level) {
    putColour(&payload.bytes[3 * level], profile.DPILevelIndication[level]);
  }
  return payload;
}

SettingPayload buildPollingRate(const ProfileRecord& profile) {
  return payloadOf(pollingRateOf(profile.PollingRateValue[0]).intervalMs);
}

SettingPayload buildLiftOff(const ProfileRecord& profile) {
  return payloadOf(profile.number(Setting::LiftDetectionHeight) == 1 ? 1 : 2, 0);
}

SettingPayload buildDebounce(const ProfileRecord& profile) {
  return payloadOf(low8(profile.number(Setting::KeyDebounce)));
}

SettingPayload buildPower(const ProfileRecord& profile) {
  return payloadOf(low8(profile.number(Setting::PowerDownTime)),
                   low8(profile.number(Setting::MoveLightingOnOffMode)));
}

SettingPayload buildMotionWakeup(const ProfileRecord& profile) {
  return payloadOf(low8(profile.number(Setting::MotionWakeup)));
}

SettingPayload buildLighting(const ProfileRecord& profile) {
  SettingPayload image;
  const std::size_t mode = lightingMode(profile);
  image.bytes[0] = static_cast<std::uint8_t>(mode);
  // Modes from 10 up have no speed or brightness in the profile: they send an empty image.
  if (mode >= kLightingModeCount) return image;
  image.bytes[1] = lightingTiming(profile, mode);
  switch (mode) {
    case 1:
      image.length = 3;
      image.bytes[2] = profile.Lighting1Direction[1];
      break;
    case 2:
      putColourList(image, profile);
      break;
    case 3:
      image.length = 5;
      putColour(&image.bytes[2], profile.Lighting1FixedColor[3][0]);
      break;
    case 6:
      image.length = 23;
      putFixedColours(image, profile, 6, 7);
      break;
    case 7:
      image.length = 8;
      putFixedColours(image, profile, 7, 2);
      break;
    default:
      image.length = 2;
      break;
  }
  return image;
}

}  // namespace pelorin
