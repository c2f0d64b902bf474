// Feeds arbitrary file bytes to the macro library reader. Whatever it accepts must stay inside
// the tree, and writing it out must be a fixed point: reading that text back and writing again
// gives the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "macro/library_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pelorin;
  const auto lines =
      CStdioFileEx::decode(std::string_view(reinterpret_cast<const char*>(data), size));
  MacroLibrary library;
  LibraryLocation selection;
  libraryFromLines(library, lines, &selection);

  const auto written = libraryToLines(library, selection);
  MacroLibrary reread;
  LibraryLocation rereadSelection;
  libraryFromLines(reread, written, &rereadSelection);
  if (libraryToLines(reread, rereadSelection) != written) std::abort();
  return 0;
}
