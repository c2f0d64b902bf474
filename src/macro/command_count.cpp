#include "macro/command_count.h"

#include <algorithm>

namespace pelorin::command_count {

std::uint8_t entriesOf(const MacroKey& macro) {
  const auto used = std::min<std::size_t>(macro.actionCount, MacroKey::kMaxActions);
  const auto count = std::count_if(macro.actions.begin(),
                                   macro.actions.begin() + static_cast<std::ptrdiff_t>(used),
                                   [](MacroAction action) { return !action.isDelay(); });
  return static_cast<std::uint8_t>(std::min<std::ptrdiff_t>(count, 255));
}

bool fits(const MacroKey& macro, int added) {
  return entriesOf(macro) + added <= MacroKey::kMaxCommands;
}

void recount(MacroKey& macro) {
  macro.commandCount = entriesOf(macro);
}

void restart(MacroKey& macro) {
  macro.actions.fill({});
  macro.actionCount = 0;
  macro.commandCount = 0;
}

}  // namespace pelorin::command_count
