#pragma once
// The folder the running program was started from: skins, shipped language files and resources
// are looked up beside it.
#include <filesystem>

namespace pelorin {

// Empty when the system cannot tell.
std::filesystem::path programFolder();

}  // namespace pelorin
