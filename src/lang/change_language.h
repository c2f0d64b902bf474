#pragma once
// Loads the numbered texts of the chosen language and picks the interface font. Runs once at
// start-up; there is no switching while the program runs.
#include <filesystem>
#include <string>

#include "common/stdio_file_ex.h"
#include "lang/language_table.h"
#include "lang/ui_font.h"

namespace pelorin {

inline constexpr char kLanguageSettingName[] = "LanSetting.ini";
inline constexpr char kEnglishFileName[] = "Lan_EN.txt";
inline constexpr char kOtherLanguageFileName[] = "Lan.txt";

// The language code chosen by the settings file; empty when the file is missing or malformed.
std::u16string readLanguageCode(const CStdioFileEx::Lines& settings);

// Stores every "id=text" line after the header. Stops at the first malformed line and returns
// false; the texts read before it stay. Also false without the header.
bool loadLanguageLines(const CStdioFileEx::Lines& lines, LanguageTable& texts);

// configFolder is the data folder's "config". Returns true only when a language file was read to
// its end; only then is the font changed.
bool changeLanguage(const std::filesystem::path& configFolder, double scale, LanguageTable& texts,
                    UiFont& font);

}  // namespace pelorin
