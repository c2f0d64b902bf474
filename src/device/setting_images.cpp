#include "device/setting_images.h"

#include <bit>

namespace pelorin {
namespace {

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
void putColourList(LightingImage& image, const ProfileRecord& profile) {
  std::uint8_t count = 0;
  for (std::size_t slot = 0; slot < 7; ++slot) {
    const ColourRef colour = profile.Lighting1FixedColor[2][slot];
    if (profile.Lighting1ColorSelected[2][slot] == 0 || colour == 0) continue;
    putColour(&image[4 + 3 * count], colour);
    ++count;
  }
  image[3] = count;
  image[0] = static_cast<std::uint8_t>(3 * count + 3);
}

// Fixed places: an unselected slot is sent black so the mouse keeps the place.
void putFixedColours(LightingImage& image, const ProfileRecord& profile, std::size_t mode,
                     std::size_t slots) {
  for (std::size_t slot = 0; slot < slots; ++slot) {
    if (profile.Lighting1ColorSelected[mode][slot] == 0) continue;
    putColour(&image[3 + 3 * slot], profile.Lighting1FixedColor[mode][slot]);
  }
}

}  // namespace

std::size_t keyAtDevicePosition(std::size_t position) {
  if (position == 3) return 4;
  if (position == 4) return 3;
  return position;
}

ButtonImage buildButtonImage(const ProfileRecord& profile) {
  ButtonImage image{};
  image[0] = 0x0C;
  image[1] = 0x71;
  for (std::size_t position = 0; position < kDevicePositions; ++position) {
    const AssignmentCode& code = profile.keys[keyAtDevicePosition(position)].Value;
    image[2 + 3 * position] = code.type;
    image[3 + 3 * position] = code.param1;
    image[4 + 3 * position] = code.param2;
  }
  return image;
}

DpiLevelsPayload buildDpiLevels(const ProfileRecord& profile) {
  DpiLevelsPayload payload{};
  const auto enabled = static_cast<unsigned>(std::popcount(profile.DPIOffOnFlag));
  payload[0] = static_cast<std::uint8_t>(((profile.CurrentDPILevel + 1u) << 4) | (enabled & 0x0F));
  payload[1] = profile.DPIOffOnFlag;
  for (std::size_t level = 0; level < 5; ++level) {
    payload[2 + 2 * level] = static_cast<std::uint8_t>(profile.XYSetting[level] & 0xFF);
    payload[3 + 2 * level] = static_cast<std::uint8_t>(profile.XYSetting[level] >> 8);
  }
  return payload;
}

DpiColoursPayload buildDpiColours(const ProfileRecord& profile) {
  DpiColoursPayload payload{};
  for (std::size_t level = 0; level < kDpiLevelCount; ++level) {
    putColour(&payload[3 * level], profile.DPILevelIndication[level]);
  }
  return payload;
}

std::uint8_t buildPollingInterval(const ProfileRecord& profile) {
  switch (profile.PollingRateValue[0]) {
    case 0:
      return 8;
    case 1:
      return 4;
    case 2:
      return 2;
    default:
      return 1;
  }
}

LiftOffPayload buildLiftOff(const ProfileRecord& profile) {
  return {static_cast<std::uint8_t>(profile.number(Setting::LiftDetectionHeight) == 1 ? 1 : 2), 0};
}

std::uint8_t buildDebounce(const ProfileRecord& profile) {
  return static_cast<std::uint8_t>(profile.number(Setting::KeyDebounce) & 0xFF);
}

PowerPayload buildPower(const ProfileRecord& profile) {
  return {static_cast<std::uint8_t>(profile.number(Setting::PowerDownTime) & 0xFF),
          static_cast<std::uint8_t>(profile.number(Setting::MoveLightingOnOffMode) & 0xFF)};
}

std::uint8_t buildMotionWakeup(const ProfileRecord& profile) {
  return static_cast<std::uint8_t>(profile.number(Setting::MotionWakeup) & 0xFF);
}

LightingImage buildLightingImage(const ProfileRecord& profile) {
  LightingImage image{};
  const std::size_t mode = lightingMode(profile);
  image[1] = static_cast<std::uint8_t>(mode);
  // Modes from 10 up have no speed or brightness in the profile: they send an empty image.
  if (mode >= kLightingModeCount) return image;
  image[2] = lightingTiming(profile, mode);
  switch (mode) {
    case 1:
      image[0] = 3;
      image[3] = profile.Lighting1Direction[1];
      break;
    case 2:
      putColourList(image, profile);
      break;
    case 3:
      image[0] = 5;
      putColour(&image[3], profile.Lighting1FixedColor[3][0]);
      break;
    case 6:
      image[0] = 23;
      putFixedColours(image, profile, 6, 7);
      break;
    case 7:
      image[0] = 8;
      putFixedColours(image, profile, 7, 2);
      break;
    default:
      image[0] = 2;
      break;
  }
  return image;
}

}  // namespace pelorin
