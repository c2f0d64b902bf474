#include "platform/linux/hidraw_roots.h"

#include <cstdlib>

namespace pelorin {
namespace {

void overrideFrom(const char* variable, std::filesystem::path& root) {
  const char* value = std::getenv(variable);
  if (value != nullptr && *value != '\0') root = value;
}

}  // namespace

HidrawRoots HidrawRoots::fromEnvironment() {
  HidrawRoots roots;
  overrideFrom("PELORIN_SYSFS_ROOT", roots.sysfs);
  overrideFrom("PELORIN_DEV_DIR", roots.dev);
  return roots;
}

}  // namespace pelorin
