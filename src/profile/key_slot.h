#pragma once
// One programmable button of a profile. Every slot owns its own macro copy, even when the button
// is not a macro button, so a later macro assignment only has to overwrite it.
#include <cstdint>
#include <string>

#include "macro/macro_key.h"
#include "profile/assignment_code.h"

namespace pelorin {

struct KeySlot {
  std::u16string Name;
  AssignmentCode Value;
  std::uint32_t MacroKeyIndex = 0;
  MacroKey Macro;

  friend bool operator==(const KeySlot&, const KeySlot&) = default;
};

constexpr std::size_t kKeySlotCount = 5;

}  // namespace pelorin
