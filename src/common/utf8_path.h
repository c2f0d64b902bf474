#pragma once
// Command lines hand paths over as UTF-8 on every system. A plain narrow string would pass
// through the ANSI code page on Windows and lose what that cannot hold.
#include <filesystem>
#include <string_view>

namespace pelorin {

std::filesystem::path pathFromUtf8(std::string_view text);

}  // namespace pelorin
