// Any bytes as a configuration file: the reader must never crash, and an accepted table must
// survive its own save format.
#include <cstdint>
#include <cstdlib>

#include "profile/app_config.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pelorin;
  const auto lines = CStdioFileEx::decode({reinterpret_cast<const char*>(data), size});
  AppConfig config("/data");
  if (!config.parse(lines)) return 0;
  (void)config.sensor();
  (void)config.showList();
  (void)config.slotPath(0);
  AppConfig again("/data");
  if (!again.parse(config.format()) || again.format() != config.format()) std::abort();
  return 0;
}
