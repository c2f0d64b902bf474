#include "platform/win32/gdiplus_image.h"

namespace pelorin {

Colour bitmapPixel(Gdiplus::Bitmap& bitmap, int x, int y) {
  if (x < 0 || y < 0 || x >= static_cast<int>(bitmap.GetWidth()) ||
      y >= static_cast<int>(bitmap.GetHeight())) {
    return 0;
  }
  Gdiplus::Color colour;
  if (bitmap.GetPixel(x, y, &colour) != Gdiplus::Ok) return 0;
  return rgb(colour.GetR(), colour.GetG(), colour.GetB());
}

}  // namespace pelorin
