#pragma once
// The "key=value" lines of the program's text files. A line is split at its first "="; the key
// and the value are taken as written, and each kind of line says which side must not be empty.
#include <optional>
#include <string_view>

namespace pelorin {

struct KeyValue {
  std::u16string_view key;
  std::u16string_view value;
};

struct KeyValueRule {
  bool needsKey = false;
  bool needsValue = false;
};

// None when the line has no "=" or leaves a side empty that the rule needs.
std::optional<KeyValue> splitKeyValue(std::u16string_view line, KeyValueRule rule);

}  // namespace pelorin
