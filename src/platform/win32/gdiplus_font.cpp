#include "platform/win32/gdiplus_font.h"

#include <string>

namespace pelorin {
namespace {

bool usable(const std::unique_ptr<Gdiplus::Font>& font) {
  return font && font->GetLastStatus() == Gdiplus::Ok && font->IsAvailable();
}

LOGFONTW messageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) == 0) {
    return LOGFONTW{};
  }
  return metrics.lfMessageFont;
}

// GDI picks some face for any description, where GDI+ refuses a family it cannot find; GDI+
// then takes the face GDI picked.
std::unique_ptr<Gdiplus::Font> mappedMessageFont(const Font& font) {
  LOGFONTW description = messageFont();
  description.lfHeight = -font.pixelHeight;
  description.lfWidth = 0;
  description.lfWeight = font.weight >= 600 ? FW_BOLD : FW_NORMAL;
  description.lfQuality = ANTIALIASED_QUALITY;
  HDC screen = ::GetDC(nullptr);
  if (screen == nullptr) return nullptr;
  auto mapped = std::make_unique<Gdiplus::Font>(screen, &description);
  ::ReleaseDC(nullptr, screen);
  return mapped;
}

}  // namespace

std::unique_ptr<Gdiplus::Font> gdiplusFont(const Font& font) {
  const int style = font.weight >= 600 ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular;
  const auto size = static_cast<Gdiplus::REAL>(font.pixelHeight);
  const std::u16string face(font.face);
  auto chosen = std::make_unique<Gdiplus::Font>(reinterpret_cast<const wchar_t*>(face.c_str()),
                                                size, style, Gdiplus::UnitPixel);
  if (usable(chosen)) return chosen;
  if (auto mapped = mappedMessageFont(font); usable(mapped)) return mapped;
  return std::make_unique<Gdiplus::Font>(Gdiplus::FontFamily::GenericSansSerif(), size, style,
                                         Gdiplus::UnitPixel);
}

}  // namespace pelorin
