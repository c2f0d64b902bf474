#pragma once
// Pushes a written file through the C library's and the operating system's buffers, so that a
// rename after it never exposes a half-written file after a power loss.
#include <cstdio>

namespace pelorin {

bool flushToDisk(std::FILE* file);

}  // namespace pelorin
