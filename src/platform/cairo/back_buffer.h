#pragma once
// The picture a window is drawn into before it reaches the screen (or a test), with the part that
// needs painting again. Both hosts keep one per window, so they paint the same way.
#include <cairo.h>
#include <pango/pangocairo.h>

#include "platform/colour.h"
#include "platform/rect.h"
#include "platform/window_client.h"

namespace pelorin {

class BackBuffer {
 public:
  BackBuffer() = default;
  ~BackBuffer();
  BackBuffer(const BackBuffer&) = delete;
  BackBuffer& operator=(const BackBuffer&) = delete;

  // A new picture of that size, all of it to be painted.
  void resize(int width, int height);
  // Marks a part for painting, clipped to the picture; returns what was marked.
  Rect invalidate(const Rect& rect);
  bool dirty() const { return !dirty_.empty(); }
  // Lets the client paint the marked part; false when nothing was marked.
  bool paint(WindowClient& client, PangoFontMap* fonts);

  Colour pixel(int x, int y) const;
  cairo_surface_t* surface() const { return surface_; }

 private:
  cairo_surface_t* surface_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  Rect dirty_;
};

}  // namespace pelorin
