#include "common/temporary_file.h"

#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "common/process_id.h"

namespace pelorin {
namespace {

constexpr std::string_view kMark = ".tmp";
// Longer numbers cannot be process ids; such names are not the program's own.
constexpr std::size_t kMaxIdDigits = 9;

// The writer's process id when name is "<file name>.tmp<digits>"; with an empty file name any
// non-empty base is accepted. None for every other name.
std::optional<long> temporaryOwner(std::string_view name, std::string_view fileName) {
  const auto mark = name.rfind(kMark);
  if (mark == std::string_view::npos || mark == 0) return std::nullopt;
  if (!fileName.empty() && name.substr(0, mark) != fileName) return std::nullopt;
  const auto digits = name.substr(mark + kMark.size());
  if (digits.empty() || digits.size() > kMaxIdDigits) return std::nullopt;
  long id = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    id = id * 10 + (c - '0');
  }
  return id;
}

void removeStale(const std::filesystem::path& folder, std::string_view fileName) {
  std::error_code error;
  std::filesystem::directory_iterator entries(folder.empty() ? "." : folder, error);
  for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
    const auto owner = temporaryOwner(entries->path().filename().string(), fileName);
    if (!owner || (*owner != currentProcessId() && processRunning(*owner))) continue;
    std::error_code ignored;
    std::filesystem::remove(entries->path(), ignored);
  }
}

}  // namespace

std::filesystem::path temporaryFor(const std::filesystem::path& file) {
  return file.parent_path() /
         (file.filename().string() + std::string(kMark) + std::to_string(currentProcessId()));
}

void removeStaleTemporaries(const std::filesystem::path& file) {
  removeStale(file.parent_path(), file.filename().string());
}

void removeStaleTemporariesIn(const std::filesystem::path& folder) {
  removeStale(folder, {});
}

}  // namespace pelorin
