#pragma once
// The command count of a macro is the number of entries the mouse receives for it: one for every
// action that is not a delay (a delay rides in the entry before it). The upload announces exactly
// that many entries, so the count is always recomputed from the actions, never kept by rules of
// its own. The edit primitives of MacroKey leave the count alone; the recorder, the editor and
// every reader recount around them.
#include <cstdint>

#include "macro/macro_key.h"

namespace pelorin::command_count {

constexpr int kRecordedKeyEvent = 1;
constexpr int kInsertedClick = 2;
constexpr int kInsertedKeyStroke = 2;
constexpr int kInsertedMove = 1;

// The device entries the used actions produce.
std::uint8_t entriesOf(const MacroKey& macro);
// Whether the macro can take `added` more entries without passing the mouse's limit.
bool fits(const MacroKey& macro, int added);
// Sets the stored count to the entries the actions produce.
void recount(MacroKey& macro);
// A new recording starts from an empty list and a zero count.
void restart(MacroKey& macro);

}  // namespace pelorin::command_count
