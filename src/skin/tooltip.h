#pragma once
// The tooltip of a control: a one-line text in a framed box that a dialog draws over its
// controls once the pointer has rested on the control, and takes away when the pointer moves to
// another control, presses or leaves.
#include <chrono>
#include <string>

#include "platform/rect.h"

namespace pelorin {

// How long the pointer rests before the tooltip shows.
inline constexpr std::chrono::milliseconds kTooltipDelay{500};

// The box of a tooltip of the given size for the pointer at `pointer`: below it by `gap`, or
// above it when there is no room below, and moved sideways to stay inside `bounds` (the part of
// the dialog that is on the screen). A box larger than the bounds keeps their top-left corner.
Rect placeTooltip(Point pointer, Size size, const Rect& bounds, int gap);

}  // namespace pelorin
