#pragma once
// An Image backed by a cairo ARGB32 surface with premultiplied alpha.
#include <cairo.h>

#include "platform/image.h"

namespace pelorin {

class CairoImage final : public Image {
 public:
  // Takes over the reference to the surface.
  explicit CairoImage(cairo_surface_t* surface);
  ~CairoImage() override;
  CairoImage(const CairoImage&) = delete;
  CairoImage& operator=(const CairoImage&) = delete;

  int width() const override;
  int height() const override;
  Colour pixel(int x, int y) const override;
  cairo_surface_t* surface() const { return surface_; }

 private:
  cairo_surface_t* surface_;
};

// Reads a pixel of an ARGB32 surface, undoing the premultiplication.
Colour surfacePixel(cairo_surface_t* surface, int x, int y);

}  // namespace pelorin
