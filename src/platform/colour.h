#pragma once
// Colours travel as the window system's 0x00BBGGRR words, the form profiles keep them in.
#include <cstdint>

namespace pelorin {

using Colour = std::uint32_t;

constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return Colour{r} | (Colour{g} << 8) | (Colour{b} << 16);
}
constexpr std::uint8_t redOf(Colour c) {
  return static_cast<std::uint8_t>(c & 0xFF);
}
constexpr std::uint8_t greenOf(Colour c) {
  return static_cast<std::uint8_t>((c >> 8) & 0xFF);
}
constexpr std::uint8_t blueOf(Colour c) {
  return static_cast<std::uint8_t>((c >> 16) & 0xFF);
}

}  // namespace pelorin
