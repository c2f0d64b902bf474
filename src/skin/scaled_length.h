#pragma once
// Design lengths become pixels by the display scale, rounded to the nearest pixel.
#include <cmath>

#include "skin/skin_context.h"

namespace pelorin {

inline int scaledLength(const SkinContext& context, double design) {
  return static_cast<int>(std::lround(design * context.scale));
}

}  // namespace pelorin
