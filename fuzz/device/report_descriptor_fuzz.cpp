// Any bytes as a report descriptor read from sysfs: the lengths are computed or refused, never a
// crash, and a computed length always counts at least the report-id byte it adds.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/linux/report_descriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  (void)pelorin::reportLengths(std::span(data, size));
  return 0;
}
