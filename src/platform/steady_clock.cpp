#include <chrono>
#include <thread>

#include "platform/clock.h"

namespace pelorin {

std::uint64_t SteadyClock::nowMs() const {
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void SteadyClock::sleepMs(unsigned milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace pelorin
