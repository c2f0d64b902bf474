#pragma once
// A picture held as a 32-bit premultiplied GDI+ bitmap, the form GDI+ draws fastest.
#include <memory>

#include "platform/image.h"
#include "platform/win32/gdiplus_api.h"

namespace pelorin {

// Outside the bitmap reads as black, as does a pixel GDI+ cannot read.
Colour bitmapPixel(Gdiplus::Bitmap& bitmap, int x, int y);

class GdiplusImage final : public Image {
 public:
  explicit GdiplusImage(std::unique_ptr<Gdiplus::Bitmap> bitmap) : bitmap_(std::move(bitmap)) {}

  int width() const override { return static_cast<int>(bitmap_->GetWidth()); }
  int height() const override { return static_cast<int>(bitmap_->GetHeight()); }
  Colour pixel(int x, int y) const override { return bitmapPixel(*bitmap_, x, y); }

  Gdiplus::Bitmap& bitmap() const { return *bitmap_; }

 private:
  std::unique_ptr<Gdiplus::Bitmap> bitmap_;
};

}  // namespace pelorin
