#pragma once
// Creates or truncates a file for writing, by its path as it is: on Windows through the wide
// path, since a narrow one passes through the ANSI code page and loses what it cannot hold.
#include <cstdio>
#include <filesystem>

namespace pelorin {

std::FILE* openForWriting(const std::filesystem::path& path);

}  // namespace pelorin
