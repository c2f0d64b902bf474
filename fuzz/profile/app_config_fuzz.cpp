// Any bytes as a configuration file: the reader must never crash, and a fully read table must
// survive its own save format. (A short file leaves entries empty, which are saved as bare "="
// lines that the next start replaces by the defaults, so only full tables must round-trip.)
#include <cstdint>
#include <cstdlib>

#include "profile/app_config.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pelorin;
  const auto lines = CStdioFileEx::decode({reinterpret_cast<const char*>(data), size});
  AppConfig config("/data");
  if (!config.parse(lines)) return 0;
  const bool full = lines.size() == kConfigEntryCount + 1;
  (void)config.sensor();
  (void)config.showList();
  (void)config.slotPath(0);
  AppConfig again("/data");
  if (full && (!again.parse(config.format()) || again.format() != config.format())) std::abort();
  return 0;
}
