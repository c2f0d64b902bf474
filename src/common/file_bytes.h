#pragma once
// Reading a whole file. Whatever sits at a path (a folder, a pipe, a device, a file that cannot be
// read or disappears) is either a regular file read to its end or nothing: no reader of the
// program ever sees an exception or blocks on a pipe without a writer.
#include <filesystem>
#include <optional>
#include <string>

namespace pelorin {

std::optional<std::string> readFileBytes(const std::filesystem::path& path);

}  // namespace pelorin
