#pragma once
// The macro library file: a section line, the key counter, the selection, then every item as a
// block of lines: all top-level items first, then all second-level and all third-level ones, each
// level indented by one more tab. Reading is positional and stops at the first line that does not
// fit, keeping what came before it.
#include <filesystem>

#include "common/stdio_file_ex.h"
#include "macro/library_location.h"
#include "macro/macro_library.h"

namespace pelorin {

// "config/MacroLibraryFile.mlf" inside the data folder.
std::filesystem::path libraryFilePath(const std::filesystem::path& dataFolder);

CStdioFileEx::Lines libraryToLines(const MacroLibrary& library, const LibraryLocation& selection);
// Clears the library first. The selection line of the file is handed out when asked for.
// Returns how many macros had to be brought into range.
int libraryFromLines(MacroLibrary& library, const CStdioFileEx::Lines& lines,
                     LibraryLocation* fileSelection = nullptr);

}  // namespace pelorin
