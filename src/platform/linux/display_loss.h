#pragma once
// The end of the display connection (a logout, a stopped X server). The toolkit would end the
// process on the spot; lastWords runs first (it must not touch a window), then the process ends
// with exitCode.
#include <functional>

namespace pelorin {

void onDisplayLost(std::function<void()> lastWords, int exitCode);

}  // namespace pelorin
