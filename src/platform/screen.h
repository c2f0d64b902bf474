#pragma once
// What the program needs to know of the display it runs on.
#include "platform/rect.h"

namespace pelorin {

struct ScreenMetrics {
  Size maximisedClient;   // client area of a maximised window on the primary monitor
  Rect workArea;          // primary monitor less panels and task bars
  double dpiRatio = 1.0;  // horizontal pixels per logical inch / 96
};

}  // namespace pelorin
