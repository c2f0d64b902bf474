#include "skin/ui_font.h"

#include <cmath>

namespace pelorin {

namespace {

std::string languageOfCharset(int charset) {
  switch (charset) {
    case 128:
      return "ja";
    case 129:
      return "ko";
    case 134:
      return "zh-cn";
    case 136:
      return "zh-tw";
    default:
      return {};
  }
}

}  // namespace

Font uiFont(std::u16string face, int pixelHeight, int charset) {
  return Font{std::move(face), pixelHeight, 400, languageOfCharset(charset)};
}

Font dialogFont(const Font& ui, double dpiRatio) {
  constexpr double kPoints = 10.0;
  const double pixelsPerInch = 96.0 * dpiRatio;
  return Font{ui.face, static_cast<int>(std::lround(kPoints * pixelsPerInch / 72.0)), 600,
              ui.language};
}

}  // namespace pelorin
