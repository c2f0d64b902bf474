#pragma once
// Loading and saving the configuration together with the five profiles it points to, as the
// program does at start-up, after changes, and when the mouse reports another sensor.
#include "lang/language_table.h"
#include "profile/app_config.h"
#include "profile/profile_table.h"

namespace pelorin {

// Start-up: reads the configuration (falling back to its defaults, which are saved), reads the
// five slot files (a profile whose file fails is reset and its slot file rewritten) and re-applies
// the sensor's DPI defaults when the configuration says they were last applied for another sensor.
void loadConfigurationAndProfiles(AppConfig& config, ProfileTable& profiles,
                                  const LanguageTable& texts);

// The sensor model changed: the configuration records it, every profile gets that sensor's DPI
// defaults, and all of it is saved.
void reapplySensor(AppConfig& config, ProfileTable& profiles, SensorModel sensor);

// Writes profiles 0..4 to their slot files in order; false when any of them failed.
bool saveAllProfiles(const ProfileTable& profiles, const AppConfig& config);

}  // namespace pelorin
