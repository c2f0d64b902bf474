#pragma once
// A macro read from any file (the library, an imported file, a profile's copy) is brought into
// the ranges the editor keeps, so nothing out of range can reach the mouse: a loop type the
// dialog does not offer, a loop count of zero, delays the mouse does not know or cannot wait, an
// action count reaching over empty slots, stale slots past it, more entries than the mouse holds,
// and a stored command count that disagrees with the actions.
#include "macro/macro_key.h"

namespace pelorin {

// The longest delay the delay dialog lets a user type.
constexpr std::uint32_t kMaxDelayMs = 15'300'000;

enum class MacroFit {
  AsStored,
  // Something was out of range and is now in range; the user should be told. A command count
  // that merely disagreed with the actions is corrected without this.
  Adjusted,
};

// A macro with more entries than the mouse holds keeps its first 168 entries (with the delay
// after the last one) and loses the rest.
[[nodiscard]] MacroFit bringIntoRange(MacroKey& macro);

}  // namespace pelorin
