#pragma once
// Design lengths become pixels by the display scale, truncated to whole pixels.
#include "skin/skin_context.h"

namespace pelorin {

inline int scaledLength(const SkinContext& context, double design) {
  return static_cast<int>(design * static_cast<double>(context.scale));
}

}  // namespace pelorin
