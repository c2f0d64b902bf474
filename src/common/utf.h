#pragma once
// Conversions between the UTF-16 text the program keeps and the UTF-8 of terminals and file names.
#include <string>
#include <string_view>

namespace pelorin {

// Lone surrogates become U+FFFD so that anything read from a file can be printed.
std::string toUtf8(std::u16string_view text);
// Invalid UTF-8 sequences become U+FFFD.
std::u16string toUtf16(std::string_view text);

}  // namespace pelorin
