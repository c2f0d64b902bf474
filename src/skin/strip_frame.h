#pragma once
// Skins that keep several looks of one part side by side in a single picture.
#include "platform/canvas.h"
#include "platform/image.h"

namespace pelorin {

// Width of one of frameCount equal frames.
int stripFrameWidth(const Image& strip, int frameCount);
// Stretches frame `frame` (0-based, counted from the left) onto dest.
void drawStripFrame(Canvas& canvas, const Image& strip, int frameCount, int frame,
                    const Rect& dest);

}  // namespace pelorin
