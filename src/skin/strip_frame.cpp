#include "skin/strip_frame.h"

#include <algorithm>

namespace pelorin {

int stripFrameWidth(const Image& strip, int frameCount) {
  return strip.width() / std::max(1, frameCount);
}

void drawStripFrame(Canvas& canvas, const Image& strip, int frameCount, int frame,
                    const Rect& dest) {
  const int width = stripFrameWidth(strip, frameCount);
  const int clamped = std::clamp(frame, 0, std::max(0, frameCount - 1));
  canvas.drawImage(strip, dest, Rect::ofSize(clamped * width, 0, width, strip.height()));
}

}  // namespace pelorin
