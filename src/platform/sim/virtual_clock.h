#pragma once
// Time that passes only when someone sleeps: the mandated pacing is counted, not waited for.
#include <atomic>

#include "platform/clock.h"

namespace pelorin {

class VirtualClock final : public Clock {
 public:
  std::uint64_t nowMs() const override { return now_.load(); }
  void sleepMs(unsigned milliseconds) override { now_ += milliseconds; }
  void advance(std::uint64_t milliseconds) { now_ += milliseconds; }

 private:
  std::atomic<std::uint64_t> now_{0};
};

}  // namespace pelorin
