#pragma once
// The five profiles of the mouse, alive for the whole run, together with the one current sensor
// model whose DPI defaults the profiles receive.
#include <array>
#include <cstddef>

#include "lang/language_table.h"
#include "profile/profile_record.h"
#include "profile/sensor_model.h"

namespace pelorin {

constexpr std::size_t kProfileCount = 5;

// Factory defaults. The index only chooses the default name, so any number is accepted: the
// five slots take their names from the language, others are named "Profile<index + 1>".
void resetProfile(ProfileRecord& record, unsigned profileIndex, const LanguageTable& texts,
                  SensorModel sensor);
// Resets the DPI group: enabled levels, steps for the sensor (kept for an unknown sensor), the
// current level, indicator colours, angle snap and lift detection.
void applySensorDpiDefaults(ProfileRecord& record, SensorModel sensor);

class ProfileTable {
 public:
  // Index 0..4; any other index has no record.
  ProfileRecord* record(std::size_t index);
  const ProfileRecord* record(std::size_t index) const;

  void resetProfile(std::size_t index, const LanguageTable& texts);
  void applySensorDpiDefaults();

  // The program-wide sensor model: set from the configuration at start-up and by the device
  // session when the mouse reports another one.
  SensorModel sensorModel;

 private:
  std::array<ProfileRecord, kProfileCount> records_;
};

}  // namespace pelorin
