#include "keys/decimal_text.h"

#include <algorithm>
#include <limits>

namespace pelorin {

std::int64_t leadingDecimal(std::u16string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == u' ' || text[at] == u'\t')) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) negative = text[at++] == u'-';
  constexpr std::uint64_t kLimit = std::numeric_limits<std::int64_t>::max();
  std::uint64_t magnitude = 0;
  for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
    const auto digit = static_cast<std::uint64_t>(text[at] - u'0');
    magnitude = magnitude > (kLimit - digit) / 10 ? kLimit : magnitude * 10 + digit;
  }
  const auto value = static_cast<std::int64_t>(magnitude);
  return negative ? -value : value;
}

int leadingInt(std::u16string_view text) {
  constexpr std::int64_t kMin = std::numeric_limits<int>::min();
  constexpr std::int64_t kMax = std::numeric_limits<int>::max();
  return static_cast<int>(std::clamp(leadingDecimal(text), kMin, kMax));
}

std::u16string decimalText(std::int64_t value) {
  const std::string digits = std::to_string(value);
  return {digits.begin(), digits.end()};
}

}  // namespace pelorin
