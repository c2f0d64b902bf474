#pragma once
// Drawing through GDI+ into a bitmap: the window's back buffer or an offscreen picture.
#include <memory>
#include <vector>

#include "platform/canvas.h"
#include "platform/win32/gdiplus_api.h"

namespace pelorin {

class GdiplusCanvas final : public Canvas {
 public:
  // target must outlive the canvas.
  explicit GdiplusCanvas(Gdiplus::Bitmap& target);

  void fillRect(const Rect& rect, Colour colour) override;
  void frameRect(const Rect& rect, Colour colour) override;
  void drawImage(const Image& image, const Rect& dest, const Rect& source) override;
  void drawText(std::u16string_view text, const Rect& rect, const Font& font, Colour colour,
                unsigned flags) override;
  void pushClip(const Rect& rect) override;
  void popClip() override;
  Colour pixel(int x, int y) const override;

 private:
  Gdiplus::Bitmap& target_;
  Gdiplus::Graphics graphics_;
  std::vector<Gdiplus::GraphicsState> clips_;
};

}  // namespace pelorin
