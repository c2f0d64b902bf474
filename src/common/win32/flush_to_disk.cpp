#include "common/flush_to_disk.h"

#include <io.h>
#include <windows.h>

namespace pelorin {

bool flushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
  const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file)));
  return handle != INVALID_HANDLE_VALUE && ::FlushFileBuffers(handle) != 0;
}

}  // namespace pelorin
