#pragma once
// Graphics on cairo image surfaces; PNG and BMP are decoded by gdk-pixbuf.
#include <pango/pangocairo.h>

#include "platform/graphics.h"

namespace pelorin {

class CairoGraphics final : public Graphics {
 public:
  CairoGraphics();
  ~CairoGraphics() override;
  CairoGraphics(const CairoGraphics&) = delete;
  CairoGraphics& operator=(const CairoGraphics&) = delete;

  std::unique_ptr<Image> loadFile(const std::filesystem::path& path) override;
  std::unique_ptr<Image> decode(std::span<const std::uint8_t> bytes) override;
  std::unique_ptr<Image> createImage(int width, int height) override;
  std::unique_ptr<Canvas> paintOn(Image& image) override;
  int textWidth(std::u16string_view text, const Font& font) override;

  PangoFontMap* fontMap() const { return fontMap_; }

 private:
  PangoFontMap* fontMap_;
};

}  // namespace pelorin
