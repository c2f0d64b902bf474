#pragma once
// The command count of a macro: the mouse budgets its macro memory by command actions, and
// short delays ride along with the action before them while long ones take a command of their
// own. The edit primitives of MacroKey leave the count alone; the recorder and the editor apply
// these rules around them.
#include <cstdint>

#include "macro/macro_key.h"

namespace pelorin::command_count {

constexpr int kRecordedKeyEvent = 1;
constexpr int kInsertedClick = 2;
constexpr int kInsertedKeyStroke = 2;
constexpr int kInsertedMove = 1;
// Delays up to this length need no command of their own.
constexpr std::uint32_t kFreeDelayMs = 127;

// +1 when a delay grows past the free length, -1 when it shrinks back to it, else 0.
int forDelayChange(std::uint32_t oldMs, std::uint32_t newMs);
// Deleting a non-delay action gives back one command; deleting a delay gives back nothing.
int forDeletion(MacroAction deleted);
// Whether the macro can take `added` more commands without passing the mouse's limit.
bool fits(const MacroKey& macro, int added);
// Applies a change, never going below zero.
void apply(MacroKey& macro, int change);
// A new recording starts from an empty list and a zero count.
void restart(MacroKey& macro);
// The count the rules above give a macro built action by action: one for every action that is
// not a delay, and one for every delay longer than the free length. A macro copy read without
// its count (as a profile file stores it) takes this one.
std::uint8_t ofActions(const MacroKey& macro);

}  // namespace pelorin::command_count
