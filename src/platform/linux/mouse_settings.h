#pragma once
// Which program shows the running desktop's own mouse settings.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pelorin {

// The command line for the first desktop named in currentDesktop (the colon-separated
// XDG_CURRENT_DESKTOP) whose settings tool is installed; empty when there is none.
std::vector<std::string> mouseSettingsCommand(
    std::string_view currentDesktop, const std::function<bool(std::string_view)>& installed);

}  // namespace pelorin
