#include "lang/language_seed.h"

#include <cstdlib>
#include <string>
#include <system_error>

#include "common/file_bytes.h"
#include "lang/change_language.h"

namespace pelorin {
namespace {

bool isPresent(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

// Goes through the atomic replace so that a half-copied file can never be mistaken for a
// shipped one on the next start.
bool copyWhenMissing(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (isPresent(to)) return true;
  const auto bytes = readFileBytes(from);
  return bytes && CStdioFileEx::replaceFile(to, *bytes);
}

}  // namespace

bool isChineseLocale(std::string_view localeName) {
  return localeName.starts_with("zh");
}

std::string_view userLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

CStdioFileEx::Lines languageSettingLines(bool chinese) {
  return {u"[ChangeLanguage]", chinese ? u"Language=CN" : u"Language=EN"};
}

bool seedLanguageFiles(const std::filesystem::path& shippedFolder,
                       const std::filesystem::path& configFolder, bool chinese) {
  bool complete = true;
  for (const char* name : {kEnglishFileName, kOtherLanguageFileName}) {
    complete = copyWhenMissing(shippedFolder / name, configFolder / name) && complete;
  }
  const auto settings = configFolder / kLanguageSettingName;
  if (!isPresent(settings)) {
    complete = CStdioFileEx::writeLines(settings, languageSettingLines(chinese)) && complete;
  }
  return complete;
}

}  // namespace pelorin
