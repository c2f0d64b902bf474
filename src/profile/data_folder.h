#pragma once
// Where the program keeps its files: the user's data folder, with the configuration, profile,
// macro and language files in its "config" sub-folder.
#include <filesystem>
#include <string>
#include <string_view>

namespace pelorin {

inline constexpr char kDataFolderName[] = "PelorinData20231030A";

// Windows: the roaming application-data folder; elsewhere $XDG_DATA_HOME, else ~/.local/share.
// Then the program's own folder name. Empty when the environment names no home at all.
std::filesystem::path userDataFolder();

inline std::filesystem::path configFolder(const std::filesystem::path& dataFolder) {
  return dataFolder / "config";
}

// Creates the data folder and its "config" sub-folder when missing; false when that fails.
bool prepareDataFolder(const std::filesystem::path& dataFolder);

// Paths travel through the UTF-16 files as text.
std::filesystem::path pathFromText(std::u16string_view text);
std::u16string textFromPath(const std::filesystem::path& path);

// The shipped language files: "lang" beside the program in a build tree, or the installed share
// folder next to the program's bin folder. Empty when neither exists.
std::filesystem::path shippedLanguageFolder(const std::filesystem::path& programFolder);
// The folder that holds "skins" and the user guide: the program's own folder in a build tree,
// else the installed share folder next to its bin folder; the program's folder when neither has
// skins, so a missing skin stays a missing picture.
std::filesystem::path shippedDataFolder(const std::filesystem::path& programFolder);

}  // namespace pelorin
