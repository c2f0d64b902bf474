#pragma once
// Decimal numbers in the program's UTF-16 texts: values are written "%d" and read back with
// leading-number semantics, so "12ms" reads 12 and text without a leading number reads 0.
#include <cstdint>
#include <string>
#include <string_view>

namespace pelorin {

// Optional leading blanks and sign, then digits. Values beyond 64 bits saturate.
std::int64_t leadingDecimal(std::u16string_view text);
int leadingInt(std::u16string_view text);
std::u16string decimalText(std::int64_t value);

}  // namespace pelorin
