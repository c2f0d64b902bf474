#pragma once
// The sensor codes a status answer carries and the model numbers the program keeps for them.
#include <cstdint>
#include <optional>

namespace pelorin {

// nullopt for a code the table does not list.
std::optional<std::uint16_t> sensorModelForCode(std::uint8_t code);

}  // namespace pelorin
