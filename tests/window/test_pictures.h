#pragma once
// Small pictures made on the spot, so image tests need no artwork.
#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/colour.h"
#include "platform/rect.h"

namespace pelorin::testing {

struct Patch {
  Rect rect;
  Colour colour;
};

// A PNG of the given size, black outside the patches, encoded in memory.
std::vector<std::uint8_t> pngBytes(Size size, const std::vector<Patch>& patches);
void writePng(const std::filesystem::path& path, Size size, const std::vector<Patch>& patches);
// An uncompressed 24-bit BMP of one colour.
std::vector<std::uint8_t> bmpBytes(Size size, Colour colour);

}  // namespace pelorin::testing
