#pragma once
// The interface scale comes from the client size of a full-screen window: big screens get 1.5
// or 2 times every design length, small and short ones stay at 1.

namespace pelorin {

double uiScaleFactor(int screenWidth, int screenHeight);

}  // namespace pelorin
