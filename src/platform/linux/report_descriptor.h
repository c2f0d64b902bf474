#pragma once
// Report lengths from a HID report descriptor, counted the way the Windows HID stack reports them
// (HidP_GetCaps): the largest report of a type in whole bytes, plus one byte for the report id even
// when the descriptor declares none. A type without any report has length 0.
#include <cstdint>
#include <optional>
#include <span>

namespace pelorin {

struct ReportLengths {
  std::uint16_t input = 0;
  std::uint16_t feature = 0;
  bool operator==(const ReportLengths&) const = default;
};

// nullopt when the descriptor is malformed: a truncated item, a pop without a push, report id 0, or
// sizes beyond what a HID device may declare.
std::optional<ReportLengths> reportLengths(std::span<const std::uint8_t> descriptor);

}  // namespace pelorin
