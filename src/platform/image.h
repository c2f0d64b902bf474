#pragma once
// A decoded picture owned by whoever loaded it. Backends keep their own pixel format behind it.
#include "platform/colour.h"

namespace pelorin {

class Image {
 public:
  virtual ~Image() = default;
  virtual int width() const = 0;
  virtual int height() const = 0;
  // Coordinates outside the picture read as black.
  virtual Colour pixel(int x, int y) const = 0;
};

}  // namespace pelorin
