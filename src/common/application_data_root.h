#pragma once
// The folder under which programs keep a user's own files: on Windows the roaming
// application-data folder, elsewhere $XDG_DATA_HOME, else ~/.local/share. Empty when the system
// names none.
#include <filesystem>

namespace pelorin {

std::filesystem::path applicationDataRoot();

}  // namespace pelorin
