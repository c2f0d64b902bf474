#pragma once
// Look shared by the two list controls of the macro dialogs.
#include <algorithm>
#include <cmath>

#include "platform/colour.h"
#include "skin/scaled_length.h"

namespace pelorin::list_style {

constexpr int kRowHeight = 20;  // design pixels
constexpr Colour kBackground = 0x4B4B4B;
constexpr Colour kSelection = 0xDEA035;
constexpr Colour kText = 0xFFFFFF;

inline int rowHeight(const SkinContext& context) {
  return std::max(1, scaledLength(context, kRowHeight));
}

// Rows that fit the height, counting a row that is at least half shown.
inline int visibleRows(const SkinContext& context, int height) {
  return static_cast<int>(std::lround(static_cast<double>(height) / rowHeight(context)));
}

}  // namespace pelorin::list_style
