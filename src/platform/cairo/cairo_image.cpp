#include "platform/cairo/cairo_image.h"

#include <cstdint>
#include <cstring>

namespace pelorin {

CairoImage::CairoImage(cairo_surface_t* surface) : surface_(surface) {}

CairoImage::~CairoImage() {
  cairo_surface_destroy(surface_);
}

int CairoImage::width() const {
  return cairo_image_surface_get_width(surface_);
}

int CairoImage::height() const {
  return cairo_image_surface_get_height(surface_);
}

Colour CairoImage::pixel(int x, int y) const {
  return surfacePixel(surface_, x, y);
}

namespace {

std::uint8_t unpremultiply(std::uint32_t channel, std::uint32_t alpha) {
  return static_cast<std::uint8_t>(alpha == 0 ? 0 : (channel * 255 + alpha / 2) / alpha);
}

}  // namespace

Colour surfacePixel(cairo_surface_t* surface, int x, int y) {
  if (x < 0 || y < 0 || x >= cairo_image_surface_get_width(surface) ||
      y >= cairo_image_surface_get_height(surface)) {
    return 0;
  }
  cairo_surface_flush(surface);
  const unsigned char* row =
      cairo_image_surface_get_data(surface) +
      static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(surface);
  std::uint32_t argb = 0;
  std::memcpy(&argb, row + static_cast<std::ptrdiff_t>(x) * 4, sizeof argb);
  const std::uint32_t alpha = argb >> 24;
  return rgb(unpremultiply((argb >> 16) & 0xFF, alpha), unpremultiply((argb >> 8) & 0xFF, alpha),
             unpremultiply(argb & 0xFF, alpha));
}

}  // namespace pelorin
