#include "macro/command_count.h"

#include <algorithm>

namespace pelorin::command_count {

int forDelayChange(std::uint32_t oldMs, std::uint32_t newMs) {
  const bool wasCounted = oldMs > kFreeDelayMs;
  const bool isCounted = newMs > kFreeDelayMs;
  return static_cast<int>(isCounted) - static_cast<int>(wasCounted);
}

int forDeletion(MacroAction deleted) {
  return deleted.isDelay() ? 0 : -1;
}

bool fits(const MacroKey& macro, int added) {
  return macro.commandCount + added <= MacroKey::kMaxCommands;
}

void apply(MacroKey& macro, int change) {
  macro.commandCount = static_cast<std::uint8_t>(std::clamp(macro.commandCount + change, 0, 255));
}

std::uint8_t ofActions(const MacroKey& macro) {
  int count = 0;
  const auto used = std::min<std::size_t>(macro.actionCount, MacroKey::kMaxActions);
  for (std::size_t i = 0; i < used; ++i) {
    const MacroAction action = macro.actions[i];
    count += !action.isDelay() || action.delayMs() > kFreeDelayMs;
  }
  return static_cast<std::uint8_t>(std::min(count, 255));
}

void restart(MacroKey& macro) {
  macro.actions.fill({});
  macro.actionCount = 0;
  macro.commandCount = 0;
}

}  // namespace pelorin::command_count
