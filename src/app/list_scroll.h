#pragma once
// Scrolling the two macro lists: what their scroll bars ask for and what the mouse wheel does.
// A list scrolls only as far as its last row standing at the bottom.
#include <algorithm>
#include <cstdint>

#include "skin/notify_code.h"
#include "skin/v_scroll_bar.h"

namespace pelorin::list_scroll {

inline int clampFirst(int first, int rows, int visible) {
  return std::clamp(first, 0, std::max(0, rows - visible));
}

// The first visible row after a scroll bar notification; unchanged for ones that move nothing.
inline int afterBar(const CVScrollBar& bar, int code, std::intptr_t part, int first, int rows,
                    int visible) {
  if (code == notify::kDragged) return clampFirst(bar.position(), rows, visible);
  if (code != notify::kPressed) return first;
  switch (part) {
    case notify::kScrollLineUp:
      return clampFirst(first - 1, rows, visible);
    case notify::kScrollLineDown:
      return clampFirst(first + 1, rows, visible);
    case notify::kScrollPageUp:
      return clampFirst(first - visible, rows, visible);
    case notify::kScrollPageDown:
      return clampFirst(first + visible, rows, visible);
    default:
      return first;
  }
}

// One row per wheel notch, and only for a list with more rows than it shows.
inline int afterWheel(int delta, int first, int rows, int visible) {
  if (rows <= visible) return first;
  return clampFirst(delta > 0 ? first - 1 : first + 1, rows, visible);
}

// The first row once the last row stands at the bottom; a list that fits keeps its place.
inline int showingLast(int first, int rows, int visible) {
  return rows > visible ? rows - visible : first;
}

}  // namespace pelorin::list_scroll
