#include "common/file_bytes.h"

#include <windows.h>

namespace pelorin {
namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
  // A folder does not open without backup semantics, and the kind of what did open is checked
  // on the handle, so a pipe or a device is never read.
  const FileHandle file(::CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE || ::GetFileType(file.get()) != FILE_TYPE_DISK) {
    return std::nullopt;
  }
  std::string bytes;
  char buffer[1 << 16];
  for (;;) {
    DWORD got = 0;
    if (::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) == 0) return std::nullopt;
    if (got == 0) return bytes;
    bytes.append(buffer, got);
  }
}

}  // namespace pelorin
