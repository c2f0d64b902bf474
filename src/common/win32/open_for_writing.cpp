#include "common/open_for_writing.h"

#include <stdio.h>

namespace pelorin {

std::FILE* openForWriting(const std::filesystem::path& path) {
  return ::_wfopen(path.c_str(), L"wb");
}

}  // namespace pelorin
