#include "common/hex_text.h"

namespace pelorin {

int hexDigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

unsigned leadingHex(std::u16string_view text, std::size_t maxDigits) {
  unsigned value = 0;
  for (std::size_t i = 0; i < maxDigits && i < text.size(); ++i) {
    const int digit = hexDigitValue(text[i]);
    if (digit < 0) break;
    value = (value << 4) | static_cast<unsigned>(digit);
  }
  return value;
}

}  // namespace pelorin
