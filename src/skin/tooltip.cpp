#include "skin/tooltip.h"

#include <algorithm>

namespace pelorin {

Rect placeTooltip(Point pointer, Size size, const Rect& bounds, int gap) {
  int top = pointer.y + gap;
  if (top + size.height > bounds.bottom) top = pointer.y - gap - size.height;
  top = std::max(std::min(top, bounds.bottom - size.height), bounds.top);
  int left = std::min(pointer.x, bounds.right - size.width);
  left = std::max(left, bounds.left);
  return Rect::ofSize(left, top, size.width, size.height);
}

}  // namespace pelorin
