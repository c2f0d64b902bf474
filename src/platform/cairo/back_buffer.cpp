#include "platform/cairo/back_buffer.h"

#include <algorithm>

#include "platform/cairo/cairo_canvas.h"
#include "platform/cairo/cairo_image.h"

namespace pelorin {

BackBuffer::~BackBuffer() {
  if (surface_ != nullptr) cairo_surface_destroy(surface_);
}

void BackBuffer::resize(int width, int height) {
  if (surface_ != nullptr) cairo_surface_destroy(surface_);
  width_ = width;
  height_ = height;
  // Cairo wants at least one pixel; an empty window still paints nothing.
  surface_ =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(width, 1), std::max(height, 1));
  dirty_ = Rect{0, 0, width, height};
}

Rect BackBuffer::invalidate(const Rect& rect) {
  const Rect clipped{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, width_),
                     std::min(rect.bottom, height_)};
  if (clipped.empty()) return Rect{};
  dirty_ = dirty_.unite(clipped);
  return clipped;
}

bool BackBuffer::paint(WindowClient& client, PangoFontMap* fonts) {
  if (dirty_.empty() || surface_ == nullptr) return false;
  const Rect area = dirty_;
  dirty_ = Rect{};
  CairoCanvas canvas(surface_, fonts);
  canvas.pushClip(area);
  client.onPaint(canvas, area);
  canvas.popClip();
  return true;
}

Colour BackBuffer::pixel(int x, int y) const {
  return surfacePixel(surface_, x, y);
}

}  // namespace pelorin
