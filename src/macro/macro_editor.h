#pragma once
// The edits the macro manager makes on the selected macro's action list: the nine insert
// commands, modify and delete. The value dialogs are reached through callbacks, so the rules for
// positions, the command count and what a cancel undoes hold the same with or without windows.
#include <functional>
#include <string>

#include "macro/macro_key.h"

namespace pelorin {

// The entries of the insert menu, in menu order.
enum class InsertItem : int {
  LeftClick,
  RightClick,
  MiddleClick,
  Delay,
  Key,
  MoveLeft,
  MoveRight,
  MoveUp,
  MoveDown,
};
constexpr int kInsertItemCount = 9;

// The value dialogs. Each edits the action in place only when the user confirms (returns true).
struct ActionEditors {
  std::function<bool(MacroAction&)> captureKey;
  std::function<bool(MacroAction&)> editDelay;
  std::function<bool(MacroAction&, InsertItem)> editMove;
};

struct EditResult {
  enum Outcome { Done, Cancelled, Full };
  Outcome outcome = Done;
  // The row to select afterwards, or -1 for none.
  int selectedRow = -1;
};

// Whether the mouse can play a virtual key as a keyboard key: it needs a keyboard usage, and
// the program's mouse codes 0xE0..0xE7 are no keys.
bool isPlayableKey(std::uint8_t virtualKey);

// selectedRow -1: insert at the end; otherwise after that row.
EditResult insertAction(MacroKey& macro, InsertItem item, int selectedRow,
                        const ActionEditors& editors);
// A delay gets the delay dialog, a keyboard key the key capture; the mouse's own codes cannot be
// changed. True when the action changed.
bool modifyAction(MacroKey& macro, int row, const ActionEditors& editors);
// Returns the row to select afterwards (-1 when the row did not exist).
int deleteAction(MacroKey& macro, int row);

// The repeat count box: the number typed, limited to 1..255, and the text the box must show
// instead when the typed one was out of range (empty when it may stay).
struct LoopCountEntry {
  std::uint8_t value = 1;
  std::u16string replacement;
};
LoopCountEntry parseLoopCount(const std::u16string& typed);

}  // namespace pelorin
