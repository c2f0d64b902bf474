#include "device/device_facts.h"

#include <algorithm>

namespace pelorin {
namespace {

constexpr std::array<SensorFacts, 10> kSensors{{
    {0x04, 0x3104, {{{2, 80, 2}, {90, 90, 1}, {96, 96, 1}, {110, 160, 10}}}, false},
    {0x12, 0x3212, {{{4, 48, 2}, {60, 96, 2}}}, false},
    {0x25, 0x3325, {{{4, 100, 2}, {110, 120, 10}, {128, 128, 1}, {140, 200, 10}}}, false},
    {0x27, 0x3327, {{{4, 124, 2}, {130, 240, 10}, {248, 248, 1}}}, false},
    {0x35, 0x3335, {{{2, 320, 2}}}, true},
    {0x60, 0x3360, {{{2, 240, 2}, {480, 480, 1}}}, true},
    {0x70, 0x3370, {{{1, 200, 1}, {202, 380, 2}}}, true},
    {0x89, 0x3389, {{{2, 320, 2}}}, true},
    {0x95, 0x3395, {{{1, 520, 1}}}, true},
    {0x99, 0x3399, {{{1, 400, 1}}}, true},
}};

}  // namespace

const char* productName(Product product) {
  return product == Product::Cable ? "cable" : "receiver";
}

std::uint16_t productId(Product product) {
  return product == Product::Cable ? kCableProductId : kReceiverProductId;
}

std::optional<Product> productOf(std::uint16_t vendorId, std::uint16_t productId) {
  if (vendorId != kVendorId) return std::nullopt;
  if (productId == kCableProductId) return Product::Cable;
  if (productId == kReceiverProductId) return Product::Receiver;
  return std::nullopt;
}

std::span<const SensorFacts> sensorTable() {
  return kSensors;
}

const SensorFacts* sensorByCode(std::uint8_t code) {
  const auto* found = std::find_if(kSensors.begin(), kSensors.end(),
                                   [code](const SensorFacts& s) { return s.code == code; });
  return found == kSensors.end() ? nullptr : found;
}

const SensorFacts* sensorByModel(std::uint16_t model) {
  const auto* found = std::find_if(kSensors.begin(), kSensors.end(),
                                   [model](const SensorFacts& s) { return s.model == model; });
  return found == kSensors.end() ? nullptr : found;
}

std::vector<std::uint16_t> dpiSteps(const SensorFacts& sensor) {
  std::vector<std::uint16_t> steps;
  for (const StepRun& run : sensor.steps) {
    if (run.by == 0) break;
    for (unsigned v = run.from; v <= run.to; v += run.by)
      steps.push_back(static_cast<std::uint16_t>(v));
  }
  return steps;
}

}  // namespace pelorin
