#include "pages/dpi_step_table.h"

#include <algorithm>

#include "device/device_facts.h"

namespace pelorin {

bool DpiStepTable::rebuild(std::uint16_t sensorModel) {
  const SensorFacts* sensor = sensorByModel(sensorModel);
  if (sensor == nullptr) return false;
  steps_ = dpiSteps(*sensor);
  extended_ = sensor->extended;
  return true;
}

std::optional<int> DpiStepTable::dpiOfStep(int step) const {
  if (step < 0 || step >= stepCount()) return std::nullopt;
  return steps_[static_cast<std::size_t>(step)] * kDpiUnit;
}

int DpiStepTable::stepAtLeast(int dpi) const {
  const int last = std::max(0, stepCount() - 1);
  for (int step = 0; step < last; ++step) {
    if (steps_[static_cast<std::size_t>(step)] * kDpiUnit >= dpi) return step;
  }
  return last;
}

std::optional<int> levelOfOrdinal(std::uint8_t enabledMask, int ordinal) {
  for (int level = 0; level < 8; ++level) {
    if ((enabledMask & (1u << level)) == 0) continue;
    if (ordinal-- == 0) return level;
  }
  return std::nullopt;
}

}  // namespace pelorin
