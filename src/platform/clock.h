#pragma once
// Time as the device link sees it: real in the program, virtual in tests, so the mandated pacing
// between reports is honoured on a mouse and costs nothing in a test.
#include <cstdint>

namespace pelorin {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::uint64_t nowMs() const = 0;
  virtual void sleepMs(unsigned milliseconds) = 0;
};

// The real clock of the machine.
class SteadyClock final : public Clock {
 public:
  std::uint64_t nowMs() const override;
  void sleepMs(unsigned milliseconds) override;
};

}  // namespace pelorin
