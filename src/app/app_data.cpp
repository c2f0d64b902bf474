#include "app/app_data.h"

#include <system_error>

#include "common/temporary_file.h"
#include "lang/change_language.h"
#include "lang/language_seed.h"
#include "macro/library_file.h"
#include "profile/config_loader.h"
#include "profile/data_folder.h"
#include "profile/profile_rules.h"

namespace pelorin {

std::size_t AppData::currentProfile() const {
  const int current = config.currentProfile();
  return current >= 0 && current < static_cast<int>(kProfileCount)
             ? static_cast<std::size_t>(current)
             : 0;
}

bool AppData::saveAll() {
  config.setCurrentProfile(static_cast<int>(currentProfile()));
  const bool configSaved = config.save();
  return saveAllProfiles(profiles, config) && configSaved;
}

void AppData::fitDpiSteps() {
  for (std::size_t k = 0; k < kProfileCount; ++k) {
    (void)pelorin::fitDpiSteps(*profiles.record(k), dpiSteps.stepCount());
  }
}

bool AppData::applySensor(std::uint16_t sensorModel) {
  config.setSensor(SensorModel{sensorModel});
  config.setPreST(static_cast<std::uint16_t>(~sensorModel));
  dpiSteps.rebuild(sensorModel);
  fitDpiSteps();
  return saveAll();
}

std::unique_ptr<AppData> loadAppData(const std::filesystem::path& requestedFolder,
                                     const std::filesystem::path& programFolder, double scale,
                                     std::string& error) {
  // The configuration stores absolute slot paths built from the folder; a relative folder would
  // make them depend on where the program happened to be started.
  std::error_code pathError;
  const auto dataFolder =
      requestedFolder.empty()
          ? requestedFolder
          : std::filesystem::absolute(requestedFolder, pathError).lexically_normal();
  if (dataFolder.empty() || pathError || !prepareDataFolder(dataFolder)) {
    error = "cannot create the data folder " + requestedFolder.string();
    return nullptr;
  }
  // Saves cut off by a crash or a kill leave their temporaries; those of a program still running
  // are kept.
  removeStaleTemporariesIn(configFolder(dataFolder));
  auto data = std::make_unique<AppData>(dataFolder);
  const auto shipped = shippedLanguageFolder(programFolder);
  if (!shipped.empty()) {
    seedLanguageFiles(shipped, configFolder(dataFolder), isChineseLocale(userLocaleName()));
  }
  changeLanguage(configFolder(dataFolder), scale, data->texts, data->font);
  data->library.read(libraryFilePath(dataFolder));
  loadConfigurationAndProfiles(data->config, data->profiles, data->texts);
  data->dpiSteps.rebuild(data->profiles.sensorModel.word);
  data->fitDpiSteps();
  return data;
}

}  // namespace pelorin
