#pragma once
// The resolutions a sensor offers, from the device facts. A DPI level stores an index into this
// table; the index itself is what the mouse receives, the table only turns it into the DPI the user
// sees.
#include <cstdint>
#include <optional>
#include <vector>

#include "device/device_facts.h"

namespace pelorin {

class DpiStepTable {
 public:
  // Rebuilds the table for a sensor; an unknown sensor leaves the table as it was and returns
  // false.
  bool rebuild(std::uint16_t sensorModel);

  int stepCount() const { return static_cast<int>(steps_.size()); }
  bool extendedSensor() const { return extended_; }
  // The DPI of a step; nullopt past the table.
  std::optional<int> dpiOfStep(int step) const;
  // The first step whose DPI is not below the value; the last step when none is.
  int stepAtLeast(int dpi) const;

 private:
  std::vector<std::uint16_t> steps_;  // units of 50 DPI
  bool extended_ = false;
};

// The level (0..7) at which the n-th enabled level (0-based ordinal) stands; nullopt when fewer
// levels are enabled.
std::optional<int> levelOfOrdinal(std::uint8_t enabledMask, int ordinal);

}  // namespace pelorin
