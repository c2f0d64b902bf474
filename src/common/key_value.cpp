#include "common/key_value.h"

namespace pelorin {

std::optional<KeyValue> splitKeyValue(std::u16string_view line, KeyValueRule rule) {
  const auto equals = line.find(u'=');
  if (equals == std::u16string_view::npos) return std::nullopt;
  const KeyValue split{line.substr(0, equals), line.substr(equals + 1)};
  if ((rule.needsKey && split.key.empty()) || (rule.needsValue && split.value.empty())) {
    return std::nullopt;
  }
  return split;
}

}  // namespace pelorin
