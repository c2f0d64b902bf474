#pragma once
// One of the mouse's five profiles as the program mirrors it. Field names are the keys under
// which the profile file stores them, so the file code, the pages and the device commands all
// speak of the same thing by the same name.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "profile/key_slot.h"
#include "profile/sensor_model.h"
#include "profile/setting_pair.h"

namespace pelorin {

using ByteTriple = std::array<std::uint8_t, 3>;
// Colours are kept as 0x00BBGGRR, red in the low byte.
using ColourRef = std::uint32_t;

constexpr std::size_t kLightingModeCount = 10;
constexpr std::size_t kLightingColourSlots = 10;
template <typename T>
using PerLightingMode = std::array<T, kLightingModeCount>;
template <typename T>
using PerModeAndSlot = std::array<std::array<T, kLightingColourSlots>, kLightingModeCount>;

struct ProfileRecord {
  std::array<SettingPair, kSettingPairCount> pairs;
  std::array<KeySlot, kKeySlotCount> keys;

  std::u16string PollingRateName;
  ByteTriple PollingRateValue{};

  std::uint8_t Lighting1OffOn = 0;
  std::u16string Lighting1Name;
  ByteTriple Lighting1ModeValue{};
  PerLightingMode<std::uint8_t> Lighting1Speed{};
  PerLightingMode<std::uint8_t> Lighting1Brightness{};
  PerModeAndSlot<std::uint8_t> Lighting1ColorSelected{};
  PerModeAndSlot<ColourRef> Lighting1FixedColor{};
  PerLightingMode<std::uint8_t> Lighting1Direction{};

  std::uint8_t Lighting2OffOn = 0;
  std::u16string Lighting2Name;
  ByteTriple Lighting2ModeValue{};
  std::uint8_t Lighting2Speed = 0;
  std::uint8_t Lighting2Brightness = 0;
  ColourRef Lighting2FixedColor = 0;

  std::uint8_t DPIOffOnFlag = 0;
  std::array<DpiStepIndex, kDpiLevelCount> XYSetting{};
  std::uint8_t CurrentDPILevel = 0;
  std::array<ColourRef, kDpiLevelCount> DPILevelIndication{};

  std::uint8_t AngleSnap = 0;
  std::uint8_t LiftDetection = 0;

  friend bool operator==(const ProfileRecord&, const ProfileRecord&) = default;

  // Pair texts by position; positions past the last pair read as the empty text.
  const std::u16string& pairKey(std::size_t index) const;
  const std::u16string& pairValue(std::size_t index) const;
  // A value read back as a decimal number; text that is not a number reads as 0.
  int number(Setting setting) const;

  // The setters store "%d"; the on/off ones store "1" or "0" only.
  void setDoubleClickSpeed(int value);
  void setPointerSpeed(int value);
  void setAccelerationEnable(int on);
  void setScrollWheelSpeed(int value);
  void setScrollWheelPageEnable(int on);
  void setTiltSpeed(int value);
  void setX_DPI(int value);
  void setMoveLightingOnOffMode(int on);
  void setPowerDownTime(int minutes);
  void setLiftDetectionHeight(int value);
  void setKeyDebounce(int ms);
  void setMotionWakeup(int on);

  // Buttons 0..4; any other index has no slot.
  KeySlot* slot(std::size_t index);
  const KeySlot* slot(std::size_t index) const;

 private:
  void setNumber(Setting setting, int value);
};

}  // namespace pelorin
