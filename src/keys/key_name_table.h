#pragma once
// Display names of the virtual keys, including the program's mouse codes 0xE0..0xE7. Keys without
// a name show "Undefined".
#include <string_view>

namespace pelorin {

class KeyNameTable {
 public:
  static std::u16string_view name(int virtualKey);
};

}  // namespace pelorin
