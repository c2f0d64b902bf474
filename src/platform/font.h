#pragma once
// A font request as the controls make it; the backend maps the face to an installed family.
#include <string>

namespace pelorin {

struct Font {
  std::u16string face;
  int pixelHeight = 16;
  int weight = 400;  // 400 normal, 600 semi-bold, 700 bold
  // Language tag that steers fallback for faces the machine lacks ("zh-cn" picks Simplified
  // Chinese glyphs); empty for the default.
  std::string language;
  friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace pelorin
