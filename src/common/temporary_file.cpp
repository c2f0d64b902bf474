#include "common/temporary_file.h"

#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "common/process_id.h"

namespace pelorin {
namespace {

// Names are compared in the system's own form (UTF-16 on Windows), so that a name no narrow
// string can hold is still recognised and cleaned.
using NativeName = std::filesystem::path::string_type;
using NativeView = std::basic_string_view<std::filesystem::path::value_type>;

constexpr std::string_view kMark = ".tmp";
// Longer numbers cannot be process ids; such names are not the program's own.
constexpr std::size_t kMaxIdDigits = 9;

// The writer's process id when name is "<file name>.tmp<digits>"; with an empty file name any
// non-empty base is accepted. None for every other name.
std::optional<long> temporaryOwner(NativeView name, NativeView fileName) {
  static const NativeName markText = std::filesystem::path(kMark).native();
  const auto mark = name.rfind(markText);
  if (mark == NativeView::npos || mark == 0) return std::nullopt;
  if (!fileName.empty() && name.substr(0, mark) != fileName) return std::nullopt;
  const auto digits = name.substr(mark + markText.size());
  if (digits.empty() || digits.size() > kMaxIdDigits) return std::nullopt;
  long id = 0;
  for (const auto c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    id = id * 10 + static_cast<long>(c - '0');
  }
  return id;
}

void removeStale(const std::filesystem::path& folder, NativeView fileName) {
  std::error_code error;
  std::filesystem::directory_iterator entries(folder.empty() ? "." : folder, error);
  for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
    const auto owner = temporaryOwner(entries->path().filename().native(), fileName);
    if (!owner || (*owner != currentProcessId() && processRunning(*owner))) continue;
    std::error_code ignored;
    std::filesystem::remove(entries->path(), ignored);
  }
}

}  // namespace

std::filesystem::path temporaryFor(const std::filesystem::path& file) {
  auto name = file.filename();
  name += kMark;
  name += std::to_string(currentProcessId());
  return file.parent_path() / name;
}

void removeStaleTemporaries(const std::filesystem::path& file) {
  removeStale(file.parent_path(), file.filename().native());
}

void removeStaleTemporariesIn(const std::filesystem::path& folder) {
  removeStale(folder, {});
}

}  // namespace pelorin
