#include "macro/macro_ranges.h"

#include <algorithm>

#include "macro/command_count.h"

namespace pelorin {
namespace {

bool validLoopType(std::uint8_t type) {
  return type == loop_type::kFirst || type == loop_type::kSecond || type == loop_type::kRepeatCount;
}

// Every delay is written with one kind, which the upload also recognises, and no longer than
// the dialog allows.
bool normaliseDelay(MacroAction& action) {
  if (!action.isDelay()) return false;
  const std::uint32_t ms = std::min(action.delayMs(), kMaxDelayMs);
  const MacroAction fixed = MacroAction::delay(ms);
  const bool changed = !(fixed == action);
  action = fixed;
  return changed;
}

// The action count that keeps at most the mouse's number of entries.
std::uint32_t countWithinEntryLimit(const MacroKey& macro) {
  int entries = 0;
  for (std::uint32_t i = 0; i < macro.actionCount; ++i) {
    if (macro.actions[i].isDelay()) continue;
    if (++entries > MacroKey::kMaxCommands) return i;
  }
  return macro.actionCount;
}

}  // namespace

MacroFit bringIntoRange(MacroKey& macro) {
  bool adjusted = false;
  if (!validLoopType(macro.loopType)) {
    macro.loopType = loop_type::kRepeatCount;
    adjusted = true;
  }
  if (macro.loopCount == 0) {
    macro.loopCount = 1;
    adjusted = true;
  }
  if (macro.actionCount > MacroKey::kMaxActions) {
    macro.actionCount = MacroKey::kMaxActions;
    adjusted = true;
  }
  // An all-zero slot is never written for an action: a count that reaches over such slots at
  // the end names actions that are not there.
  while (macro.actionCount > 0 && macro.actions[macro.actionCount - 1] == MacroAction{}) {
    --macro.actionCount;
    adjusted = true;
  }
  const std::uint32_t kept = countWithinEntryLimit(macro);
  adjusted |= kept != macro.actionCount;
  macro.actionCount = kept;
  for (std::uint32_t i = 0; i < macro.actionCount; ++i)
    adjusted |= normaliseDelay(macro.actions[i]);
  const auto unused = macro.actions.begin() + macro.actionCount;
  adjusted |=
      std::any_of(unused, macro.actions.end(), [](MacroAction a) { return !(a == MacroAction{}); });
  std::fill(unused, macro.actions.end(), MacroAction{});
  command_count::recount(macro);
  return adjusted ? MacroFit::Adjusted : MacroFit::AsStored;
}

}  // namespace pelorin
