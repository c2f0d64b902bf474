#pragma once
// The GDI+ font for a font of the interface.
#include <memory>

#include "platform/font.h"
#include "platform/win32/gdiplus_api.h"

namespace pelorin {

// The face asked for; where the machine lacks it (a fresh Wine prefix, some Windows editions
// have no Tahoma) the system's message font at the same size and weight, as GDI maps it to a
// face that exists. Never a font that draws nothing while the machine has any font at all.
std::unique_ptr<Gdiplus::Font> gdiplusFont(const Font& font);

}  // namespace pelorin
