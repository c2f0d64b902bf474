#include "common/open_for_writing.h"

namespace pelorin {

std::FILE* openForWriting(const std::filesystem::path& path) {
  return std::fopen(path.c_str(), "wb");
}

}  // namespace pelorin
