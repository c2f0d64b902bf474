#include "profile/data_folder.h"

#include <system_error>

#include "common/application_data_root.h"
#include "common/utf.h"

namespace pelorin {
namespace {

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
