#include "profile/sensor_model.h"

namespace pelorin {
namespace {

struct SensorDefaults {
  std::uint16_t model;
  DpiStepDefaults steps;
};

// Levels 7 and 8 of the 0x3104 sit on its table's top step: its table has 48 steps, and a
// default past the end would reach the mouse with every new or reset profile.
constexpr std::array<SensorDefaults, 10> kSensorDefaults{{
    {0x3104, {4, 15, 23, 31, 39, 41, 47, 47}},
    {0x3212, {6, 10, 14, 22, 33, 12, 12, 12}},
    {0x3325, {6, 10, 14, 30, 48, 58, 58, 50}},
    {0x3327, {2, 6, 14, 30, 48, 58, 58, 58}},
    {0x3335, {11, 23, 31, 63, 99, 159, 59, 59}},
    {0x3360, {3, 7, 15, 31, 49, 59, 59, 59}},
    {0x3389, {3, 7, 15, 31, 49, 59, 59, 59}},
    {0x3370, {7, 15, 31, 63, 99, 119, 119, 119}},
    {0x3395, {7, 15, 31, 63, 99, 99, 99, 99}},
    {0x3399, {7, 15, 31, 63, 99, 99, 99, 99}},
}};

}  // namespace

std::optional<DpiStepDefaults> SensorModel::dpiStepDefaults() const {
  for (const auto& entry : kSensorDefaults) {
    if (entry.model == word) return entry.steps;
  }
  return std::nullopt;
}

}  // namespace pelorin
