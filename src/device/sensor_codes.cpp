#include "device/sensor_codes.h"

#include <array>
#include <utility>

namespace pelorin {

std::optional<std::uint16_t> sensorModelForCode(std::uint8_t code) {
  static constexpr std::array<std::pair<std::uint8_t, std::uint16_t>, 10> kTable{{
      {0x04, 0x3104},
      {0x12, 0x3212},
      {0x25, 0x3325},
      {0x27, 0x3327},
      {0x35, 0x3335},
      {0x60, 0x3360},
      {0x70, 0x3370},
      {0x89, 0x3389},
      {0x95, 0x3395},
      {0x99, 0x3399},
  }};
  for (const auto& [known, model] : kTable) {
    if (known == code) return model;
  }
  return std::nullopt;
}

}  // namespace pelorin
