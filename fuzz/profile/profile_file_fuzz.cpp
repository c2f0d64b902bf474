// Any bytes as a profile file: the reader must never crash, and whatever it accepts must write
// back to a file that reads to the same record.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "profile/profile_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pelorin;
  const auto lines = CStdioFileEx::decode({reinterpret_cast<const char*>(data), size});
  ProfileRecord record;
  if (!parseProfile(lines, record)) return 0;
  ProfileRecord again = record;
  if (!parseProfile(formatProfile(record), again) || !(again == record)) std::abort();
  return 0;
}
