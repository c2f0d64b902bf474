#include "app/scale_factor.h"

namespace pelorin {

double uiScaleFactor(int screenWidth, int screenHeight) {
  if (screenWidth >= 2401 && screenHeight >= 1601) return 2.0;
  if (screenWidth <= 1800 || screenHeight <= 1200) return 1.0;
  return 1.5;
}

}  // namespace pelorin
