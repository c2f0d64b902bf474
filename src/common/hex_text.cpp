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

unsigned hexAt(std::u16string_view text, std::size_t offset, std::size_t digits) {
  return offset < text.size() ? leadingHex(text.substr(offset), digits) : 0;
}

void appendHex(std::u16string& out, std::uint32_t value, std::size_t digits) {
  constexpr std::u16string_view kDigits = u"0123456789ABCDEF";
  for (std::size_t left = digits; left > 0; --left)
    out += kDigits[(value >> ((left - 1) * 4)) & 0xF];
}

void appendHexBytes(std::u16string& out, std::span<const std::uint8_t> bytes) {
  out.reserve(out.size() + bytes.size() * 2);
  for (std::uint8_t byte : bytes) appendHexByte(out, byte);
}

bool readHexBytes(std::u16string_view digits, std::span<std::uint8_t> bytes) {
  if (digits.size() != bytes.size() * 2) return false;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    bytes[i] = static_cast<std::uint8_t>(leadingHex(digits.substr(i * 2, 2), 2));
  }
  return true;
}

}  // namespace pelorin
