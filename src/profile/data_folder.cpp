#include "profile/data_folder.h"

#include <cstdlib>
#include <system_error>

#include "common/utf.h"

namespace pelorin {
namespace {

std::filesystem::path environmentPath(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::filesystem::path(value) : std::filesystem::path();
}

std::filesystem::path applicationDataRoot() {
#ifdef _WIN32
  return environmentPath("APPDATA");
#else
  // A relative XDG_DATA_HOME is invalid and must be ignored.
  if (auto xdg = environmentPath("XDG_DATA_HOME"); xdg.is_absolute()) return xdg;
  const auto home = environmentPath("HOME");
  return home.empty() ? home : home / ".local" / "share";
#endif
}

bool makeFolder(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return std::filesystem::is_directory(folder, error);
}

}  // namespace

std::filesystem::path userDataFolder() {
  const auto root = applicationDataRoot();
  return root.empty() ? root : root / kDataFolderName;
}

bool prepareDataFolder(const std::filesystem::path& dataFolder) {
  return makeFolder(dataFolder) && makeFolder(configFolder(dataFolder));
}

std::filesystem::path pathFromText(std::u16string_view text) {
  const auto utf8 = toUtf8(text);
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::u16string textFromPath(const std::filesystem::path& path) {
  const auto utf8 = path.u8string();
  return toUtf16(std::string(utf8.begin(), utf8.end()));
}

std::filesystem::path shippedLanguageFolder(const std::filesystem::path& programFolder) {
  std::error_code error;
  for (auto candidate :
       {programFolder / "lang", programFolder / ".." / "share" / "pelorin" / "lang"}) {
    if (std::filesystem::is_directory(candidate, error)) return candidate.lexically_normal();
  }
  return {};
}

std::filesystem::path shippedDataFolder(const std::filesystem::path& programFolder) {
  std::error_code error;
  const auto installed = (programFolder / ".." / "share" / "pelorin").lexically_normal();
  if (!std::filesystem::is_directory(programFolder / "skins", error) &&
      std::filesystem::is_directory(installed / "skins", error)) {
    return installed;
  }
  return programFolder;
}

}  // namespace pelorin
