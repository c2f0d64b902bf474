#pragma once
// Every action slot of a macro, used or not, as one run of hexadecimal digits: b0 b1 b2 b3 of
// each slot with nothing between them. Profile files and the macro library store it alike.
#include <cstddef>
#include <string>
#include <string_view>

#include "macro/macro_key.h"

namespace pelorin {

inline constexpr std::size_t kActionStringDigits = MacroKey::kMaxActions * 8;

void appendActionString(std::u16string& out, const MacroKey& macro);
// Fills every slot from exactly kActionStringDigits digits; any other length is refused and
// leaves the macro untouched. The action count is not changed.
bool readActionString(std::u16string_view digits, MacroKey& macro);

}  // namespace pelorin
