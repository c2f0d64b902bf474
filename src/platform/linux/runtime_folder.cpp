#include "platform/linux/runtime_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace pelorin {

std::filesystem::path userRuntimeFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && runtime[0] == '/') return runtime;
  const std::filesystem::path fallback = "/tmp/pelorin-" + std::to_string(getuid());
  mkdir(fallback.c_str(), 0700);
  // Another user could have made the folder first to catch the program's socket.
  struct stat info {};
  const bool safe = lstat(fallback.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
                    info.st_uid == getuid() && (info.st_mode & 077) == 0;
  return safe ? fallback : std::filesystem::path{};
}

}  // namespace pelorin
