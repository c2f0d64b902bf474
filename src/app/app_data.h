#pragma once
// Everything the program loads from the data folder at start-up and keeps for the whole run: the
// language, the macro library, the configuration and the five profiles, and the DPI steps of the
// configured sensor. The main window and pelorinctl load it the same way.
#include <filesystem>
#include <memory>
#include <string>

#include "lang/language_table.h"
#include "lang/ui_font.h"
#include "macro/macro_library.h"
#include "pages/dpi_step_table.h"
#include "profile/app_config.h"
#include "profile/profile_table.h"

namespace pelorin {

struct AppData {
  explicit AppData(std::filesystem::path folder) : dataFolder(folder), config(std::move(folder)) {}

  std::filesystem::path dataFolder;
  LanguageTable texts;
  UiFont font;
  // The library with the selection that the macro dialogs share for the whole run.
  MacroStore macros;
  MacroLibrary& library = macros.library;
  AppConfig config;
  ProfileTable profiles;
  DpiStepTable dpiSteps;

  std::size_t currentProfile() const;
  // Writes the current profile number to the configuration and saves it with the five profiles.
  bool saveAll();
  // Brings every profile's DPI steps inside the step table, so what a level shows is what the
  // mouse receives (a profile made for another sensor may point past it).
  void fitDpiSteps();
  // The mouse reported another sensor (its DPI defaults already given to the profiles): the
  // configuration, the step table and the profiles follow it and are saved.
  bool applySensor(std::uint16_t sensorModel);
};

// Loads in the start-up order: data folder, shipped language files seeded, language, macro
// library, configuration and profiles, DPI steps. nullptr (and a message) only when the data
// folder cannot be created; every damaged file falls back to its defaults.
std::unique_ptr<AppData> loadAppData(const std::filesystem::path& dataFolder,
                                     const std::filesystem::path& programFolder, double scale,
                                     std::string& error);

}  // namespace pelorin
