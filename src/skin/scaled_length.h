#pragma once
// Design lengths and rectangles become pixels by the display scale, truncated to whole pixels.
#include "platform/rect.h"
#include "skin/skin_context.h"

namespace pelorin {

inline int scaledLength(const SkinContext& context, double design) {
  return static_cast<int>(design * static_cast<double>(context.scale));
}

// Each edge scaled on its own, as the control tables give edges rather than sizes.
inline Rect scaledRect(const SkinContext& context, const Rect& design) {
  return Rect{scaledLength(context, design.left), scaledLength(context, design.top),
              scaledLength(context, design.right), scaledLength(context, design.bottom)};
}

}  // namespace pelorin
