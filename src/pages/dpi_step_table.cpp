#include "pages/dpi_step_table.h"

#include <initializer_list>

namespace pelorin {
namespace {

struct Run {
  int from, to, by;
};

std::vector<std::uint16_t> expand(std::initializer_list<Run> runs) {
  std::vector<std::uint16_t> steps;
  for (const Run& run : runs) {
    for (int v = run.from; v <= run.to; v += run.by) steps.push_back(static_cast<std::uint16_t>(v));
  }
  return steps;
}

struct SensorSteps {
  std::uint16_t model;
  std::vector<std::uint16_t> steps;
  bool extended;
};

const std::vector<SensorSteps>& sensorTable() {
  static const std::vector<SensorSteps> kTable{
      {0x3104, expand({{2, 80, 2}, {90, 90, 1}, {96, 96, 1}, {110, 160, 10}}), false},
      {0x3212, expand({{4, 48, 2}, {60, 96, 2}}), false},
      {0x3325, expand({{4, 100, 2}, {110, 120, 10}, {128, 128, 1}, {140, 200, 10}}), false},
      {0x3327, expand({{4, 124, 2}, {130, 240, 10}, {248, 248, 1}}), false},
      {0x3335, expand({{2, 320, 2}}), true},
      {0x3360, expand({{2, 240, 2}, {480, 480, 1}}), true},
      {0x3370, expand({{1, 200, 1}, {202, 380, 2}}), true},
      {0x3389, expand({{2, 320, 2}}), true},
      {0x3395, expand({{1, 520, 1}}), true},
      {0x3399, expand({{1, 400, 1}}), true},
  };
  return kTable;
}

}  // namespace

bool DpiStepTable::rebuild(std::uint16_t sensorModel) {
  for (const auto& sensor : sensorTable()) {
    if (sensor.model != sensorModel) continue;
    steps_ = sensor.steps;
    extended_ = sensor.extended;
    return true;
  }
  return false;
}

std::optional<int> DpiStepTable::dpiOfStep(int step) const {
  if (step < 0 || step >= stepCount()) return std::nullopt;
  return steps_[static_cast<std::size_t>(step)] * kDpiUnit;
}

std::optional<int> levelOfOrdinal(std::uint8_t enabledMask, int ordinal) {
  for (int level = 0; level < 8; ++level) {
    if ((enabledMask & (1u << level)) == 0) continue;
    if (ordinal-- == 0) return level;
  }
  return std::nullopt;
}

}  // namespace pelorin
