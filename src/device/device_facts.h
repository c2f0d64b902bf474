#pragma once
// What the program knows about the mouse as a product, in one place: its USB ids, the sensors it
// may carry with the codes its status answer uses for them, and the DPI steps of each sensor.
// Discovery, the status answer, the DPI page and pelorinctl all read these tables.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pelorin {

constexpr std::uint16_t kVendorId = 0x248A;
constexpr std::uint16_t kCableProductId = 0x5B2E;
constexpr std::uint16_t kReceiverProductId = 0x5B2F;

enum class Product { Cable, Receiver };
const char* productName(Product product);
std::uint16_t productId(Product product);
// Which product of the mouse an interface with these ids belongs to; nullopt for anything else.
std::optional<Product> productOf(std::uint16_t vendorId, std::uint16_t productId);

// A run of DPI steps, in units of 50 DPI: from, from + by, ... up to to.
struct StepRun {
  std::uint16_t from = 0;
  std::uint16_t to = 0;
  std::uint16_t by = 0;  // 0 ends the list
};

struct SensorFacts {
  std::uint8_t code;    // byte 15 of the status answer
  std::uint16_t model;  // the sensor model word kept in the configuration
  std::array<StepRun, 4> steps;
  bool extended;  // the sensors with the long step tables
};

constexpr int kDpiUnit = 50;

std::span<const SensorFacts> sensorTable();
const SensorFacts* sensorByCode(std::uint8_t code);
const SensorFacts* sensorByModel(std::uint16_t model);
// The steps of a sensor in order, in units of 50 DPI; a step's index is what the mouse receives.
std::vector<std::uint16_t> dpiSteps(const SensorFacts& sensor);

}  // namespace pelorin
