#pragma once
// The sensor model word (0x3104 .. 0x3399) reported by the mouse or taken from the configuration.
// The program keeps exactly one current value, in ProfileTable::sensorModel, because the DPI
// defaults of every profile depend on it.
#include <array>
#include <cstdint>
#include <optional>

namespace pelorin {

using DpiStepIndex = std::uint16_t;
constexpr std::size_t kDpiLevelCount = 8;
using DpiStepDefaults = std::array<DpiStepIndex, kDpiLevelCount>;

struct SensorModel {
  std::uint16_t word = 0;

  friend bool operator==(const SensorModel&, const SensorModel&) = default;

  // Factory step indices of the eight DPI levels; none for a model the program does not know.
  std::optional<DpiStepDefaults> dpiStepDefaults() const;
};

}  // namespace pelorin
