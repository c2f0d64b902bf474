#pragma once
// The installer's step for the language files: before the first language load, the shipped files
// and a settings file are put into the data folder when they are missing. Files already there
// belong to the user and are never replaced.
#include <filesystem>
#include <string_view>

#include "common/stdio_file_ex.h"

namespace pelorin {

// True when the first set of LC_ALL, LC_MESSAGES and LANG names a Chinese locale ("zh...").
bool isChineseLocale(std::string_view localeName);
std::string_view userLocaleName();

// The settings file that chooses English, or the other language for a Chinese locale.
CStdioFileEx::Lines languageSettingLines(bool chinese);

// shippedFolder holds Lan_EN.txt and Lan.txt as installed beside the program; configFolder is the
// data folder's "config". Returns false when a missing file could not be put in place.
bool seedLanguageFiles(const std::filesystem::path& shippedFolder,
                       const std::filesystem::path& configFolder, bool chinese);

}  // namespace pelorin
