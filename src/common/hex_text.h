#pragma once
// Hexadecimal numbers inside the program's text files. Readers take them from fixed positions,
// so a piece ends at its width or at the first character that is not a hex digit, and a piece
// without digits reads as 0 rather than failing.
#include <cstddef>
#include <string_view>

namespace pelorin {

int hexDigitValue(char16_t c);
unsigned leadingHex(std::u16string_view text, std::size_t maxDigits);

}  // namespace pelorin
