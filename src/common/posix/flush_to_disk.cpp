#include "common/flush_to_disk.h"

#include <unistd.h>

namespace pelorin {

bool flushToDisk(std::FILE* file) {
  return std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
}

}  // namespace pelorin
