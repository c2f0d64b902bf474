#pragma once
// Hands out the lines of a text file in order. Every file of the program is read by position:
// the n-th line is the n-th field whatever its key says, so a reader only ever asks for the next
// line under the rule of that line's kind.
#include <cstddef>
#include <optional>
#include <string_view>

#include "common/key_value.h"
#include "common/stdio_file_ex.h"

namespace pelorin {

class LineReader {
 public:
  explicit LineReader(const CStdioFileEx::Lines& lines) : lines_(lines) {}

  bool atEnd() const { return next_ >= lines_.size(); }
  // Takes the next line and compares it exactly (no case folding, no trimming).
  bool header(std::u16string_view expected);
  // The next line as it is; none past the end.
  std::optional<std::u16string_view> line();
  // The next line split at its first "="; none past the end or when the rule is broken. The line
  // is consumed either way.
  std::optional<KeyValue> field(KeyValueRule rule);
  std::optional<std::u16string_view> value(KeyValueRule rule);

 private:
  const CStdioFileEx::Lines& lines_;
  std::size_t next_ = 0;
};

}  // namespace pelorin
