#include "profile/config_loader.h"

#include "profile/profile_file.h"

namespace pelorin {
namespace {

std::uint16_t complement(std::uint16_t value) {
  return static_cast<std::uint16_t>(~value);
}

// The configuration remembers, as a complement, for which sensor the defaults were applied.
void applyDefaultsOfCurrentSensor(AppConfig& config, ProfileTable& profiles) {
  config.setPreST(complement(profiles.sensorModel.word));
  config.save();
  profiles.applySensorDpiDefaults();
  saveAllProfiles(profiles, config);
}

}  // namespace

void loadConfigurationAndProfiles(AppConfig& config, ProfileTable& profiles,
                                  const LanguageTable& texts) {
  // A damaged configuration costs only itself: the default slot files are then read like any
  // others, so profiles that read well survive and only the unreadable ones are reset.
  if (!config.read()) {
    config.setDefaults();
    config.save();
  }
  // Taken before the profiles are read, so that a profile reset for a bad file already gets the
  // DPI defaults of the configured sensor.
  profiles.sensorModel = config.sensor();
  for (std::size_t i = 0; i < kProfileCount; ++i) {
    readProfileFile(profiles, i, config.slotPath(i), config.slotPath(i), texts);
  }
  if (complement(config.preST()) != profiles.sensorModel.word) {
    applyDefaultsOfCurrentSensor(config, profiles);
  }
}

void reapplySensor(AppConfig& config, ProfileTable& profiles, SensorModel sensor) {
  profiles.sensorModel = sensor;
  config.setSensor(sensor);
  applyDefaultsOfCurrentSensor(config, profiles);
}

bool saveAllProfiles(const ProfileTable& profiles, const AppConfig& config) {
  bool all = true;
  for (std::size_t i = 0; i < kProfileCount; ++i) {
    all = writeProfileFile(*profiles.record(i), config.slotPath(i)) && all;
  }
  return all;
}

}  // namespace pelorin
