#include "common/line_reader.h"

namespace pelorin {

bool LineReader::header(std::u16string_view expected) {
  const auto first = line();
  return first && *first == expected;
}

std::optional<std::u16string_view> LineReader::line() {
  if (atEnd()) return std::nullopt;
  return lines_[next_++];
}

std::optional<KeyValue> LineReader::field(KeyValueRule rule) {
  const auto text = line();
  return text ? splitKeyValue(*text, rule) : std::nullopt;
}

std::optional<std::u16string_view> LineReader::value(KeyValueRule rule) {
  const auto split = field(rule);
  return split ? std::optional(split->value) : std::nullopt;
}

}  // namespace pelorin
