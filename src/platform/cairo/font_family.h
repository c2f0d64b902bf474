#pragma once
// Maps the font faces the language files name to a family list that fontconfig can resolve on
// any Linux machine, so captions keep their intended shape and Chinese keeps its glyphs.
#include <string>

#include "platform/font.h"

namespace pelorin {

// A comma-separated family list for a Pango font description.
std::string fontFamilyList(const Font& font);

}  // namespace pelorin
