#pragma once
// Decoding, offscreen pictures and text measuring through GDI+. GDI+ must be started (a
// GdiplusSession) for as long as this and its pictures live.
#include "platform/graphics.h"

namespace pelorin {

class GdiplusGraphics final : public Graphics {
 public:
  std::unique_ptr<Image> loadFile(const std::filesystem::path& path) override;
  std::unique_ptr<Image> decode(std::span<const std::uint8_t> bytes) override;
  std::unique_ptr<Image> createImage(int width, int height) override;
  std::unique_ptr<Canvas> paintOn(Image& image) override;
  int textWidth(std::u16string_view text, const Font& font) override;
};

}  // namespace pelorin
