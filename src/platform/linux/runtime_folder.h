#pragma once
// The per-user folder for sockets, locks and other files that live only while the user is
// logged in.
#include <filesystem>

namespace pelorin {

// $XDG_RUNTIME_DIR, else a private folder under /tmp (created 0700); empty when the /tmp
// folder exists but belongs to someone else or is open to others.
std::filesystem::path userRuntimeFolder();

}  // namespace pelorin
