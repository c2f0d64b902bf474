#pragma once
// One key/value pair of a profile. A profile file may replace the key text too, so the program
// addresses pairs by position only.
#include <cstddef>
#include <string>

namespace pelorin {

struct SettingPair {
  std::u16string key;
  std::u16string value;

  friend bool operator==(const SettingPair&, const SettingPair&) = default;
};

// Positions of the twenty pairs of a profile.
enum class Setting : std::size_t {
  ProfileName,
  GameFile0,
  GameFile1,
  GameFile2,
  DoubleClickSpeed,
  PointerSpeed,
  AccelerationEnable,
  ScrollWheelSpeed,
  ScrollWheelPageEnable,
  TiltSpeed,
  Sensitivity_X,
  Sensitivity_Y,
  XYSynchronous,
  X_DPI,
  Y_DPI,
  MoveLightingOnOffMode,
  PowerDownTime,
  LiftDetectionHeight,
  KeyDebounce,
  MotionWakeup,
};

constexpr std::size_t kSettingPairCount = 20;

}  // namespace pelorin
