#pragma once
// Drawing into a window's picture or into an offscreen image.
#include <string_view>

#include "platform/colour.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/rect.h"

namespace pelorin {

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void fillRect(const Rect& rect, Colour colour) = 0;
  // A one-pixel frame just inside the rectangle.
  virtual void frameRect(const Rect& rect, Colour colour) = 0;
  // Stretches the source area of the image onto the destination with smooth interpolation.
  virtual void drawImage(const Image& image, const Rect& dest, const Rect& source) = 0;
  // flags: text::kLeft .. text::kWordEllipsis.
  virtual void drawText(std::u16string_view text, const Rect& rect, const Font& font, Colour colour,
                        unsigned flags) = 0;
  // Clips nest; every push needs its pop.
  virtual void pushClip(const Rect& rect) = 0;
  virtual void popClip() = 0;
  // Reads back what has been drawn so far; outside the canvas reads as black.
  virtual Colour pixel(int x, int y) const = 0;

  void drawImage(const Image& image, const Rect& dest) {
    drawImage(image, dest, Rect{0, 0, image.width(), image.height()});
  }
};

}  // namespace pelorin
