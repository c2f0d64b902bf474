#pragma once
// Hexadecimal numbers inside the program's text files. Writers use upper-case digits at a fixed
// width ("%.2X" for bytes). Readers take pieces from fixed positions, so a piece ends at its width
// or at the first character that is not a hex digit, and a piece without digits reads as 0 rather
// than failing.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace pelorin {

int hexDigitValue(char16_t c);
unsigned leadingHex(std::u16string_view text, std::size_t maxDigits);
// The piece of at most `digits` digits at offset; 0 past the end of the text.
unsigned hexAt(std::u16string_view text, std::size_t offset, std::size_t digits);
// Item `index` of a list written by appendHexList: pieces every digits + 1 characters, the
// separator between them not examined.
inline unsigned hexListItem(std::u16string_view text, std::size_t index, std::size_t digits) {
  return hexAt(text, index * (digits + 1), digits);
}

void appendHex(std::u16string& out, std::uint32_t value, std::size_t digits);
inline void appendHexByte(std::u16string& out, std::uint8_t value) {
  appendHex(out, value, 2);
}
void appendHexBytes(std::u16string& out, std::span<const std::uint8_t> bytes);
// Exactly two digits per byte, or false with the bytes untouched; each pair reads like hexAt.
bool readHexBytes(std::u16string_view digits, std::span<std::uint8_t> bytes);

// "AA|BB|CC": every value at the same width, "|" between them. project turns an item into the
// number written.
template <typename Range, typename Project = std::identity>
void appendHexList(std::u16string& out, const Range& values, std::size_t digits,
                   Project project = {}) {
  bool first = true;
  for (const auto& value : values) {
    if (!std::exchange(first, false)) out += u'|';
    appendHex(out, static_cast<std::uint32_t>(std::invoke(project, value)), digits);
  }
}

// A row of a table: the list followed by ";".
template <typename Range, typename Project = std::identity>
void appendHexRow(std::u16string& out, const Range& values, std::size_t digits,
                  Project project = {}) {
  appendHexList(out, values, digits, project);
  out += u';';
}

}  // namespace pelorin
