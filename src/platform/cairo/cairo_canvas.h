#pragma once
// A Canvas on a cairo image surface, with Pango for text. Windows and offscreen renders both
// paint through this one class, so a window and its offscreen picture match pixel for pixel.
#include <cairo.h>
#include <pango/pangocairo.h>

#include "platform/canvas.h"

namespace pelorin {

class CairoCanvas final : public Canvas {
 public:
  // Borrows the surface (an ARGB32 image surface) and the font map for its lifetime.
  CairoCanvas(cairo_surface_t* surface, PangoFontMap* fontMap);
  ~CairoCanvas() override;
  CairoCanvas(const CairoCanvas&) = delete;
  CairoCanvas& operator=(const CairoCanvas&) = delete;

  void fillRect(const Rect& rect, Colour colour) override;
  void frameRect(const Rect& rect, Colour colour) override;
  using Canvas::drawImage;
  void drawImage(const Image& image, const Rect& dest, const Rect& source) override;
  void drawText(std::u16string_view text, const Rect& rect, const Font& font, Colour colour,
                unsigned flags) override;
  void pushClip(const Rect& rect) override;
  void popClip() override;
  Colour pixel(int x, int y) const override;

 private:
  void setColour(Colour colour);

  cairo_surface_t* surface_;
  cairo_t* cr_;
  PangoContext* pango_;
};

// A font map whose rendering options are fixed (grey antialiasing, slight hinting, 96 dpi), so
// that text looks the same whatever the desktop's settings are.
PangoFontMap* createPinnedFontMap();
// The width drawText gives the text on one line.
int textAdvance(PangoFontMap* fontMap, std::u16string_view text, const Font& font);

}  // namespace pelorin
