#include "common/application_data_root.h"

#include <cstdlib>

namespace pelorin {
namespace {

std::filesystem::path environmentPath(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::filesystem::path(value) : std::filesystem::path();
}

}  // namespace

std::filesystem::path applicationDataRoot() {
  // A relative XDG_DATA_HOME is invalid and must be ignored.
  if (auto xdg = environmentPath("XDG_DATA_HOME"); xdg.is_absolute()) return xdg;
  const auto home = environmentPath("HOME");
  return home.empty() ? home : home / ".local" / "share";
}

}  // namespace pelorin
