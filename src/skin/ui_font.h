#pragma once
// The font of every control, built from the language settings' face, height and character set.
#include <string>

#include "platform/font.h"

namespace pelorin {

// The character set picks the language that steers glyph fallback (134 is Simplified Chinese).
Font uiFont(std::u16string face, int pixelHeight, int charset);

// The dialog's own font: the UI face at ten points for the given DPI ratio, semi-bold.
Font dialogFont(const Font& ui, double dpiRatio);

}  // namespace pelorin
