#include "platform/program_folder.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace pelorin {

std::filesystem::path programFolder() {
#ifdef _WIN32
  wchar_t buffer[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  if (length == 0 || length == MAX_PATH) return {};
  return std::filesystem::path(buffer).parent_path();
#else
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : self.parent_path();
#endif
}

}  // namespace pelorin
