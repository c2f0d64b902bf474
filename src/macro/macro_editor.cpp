#include "macro/macro_editor.h"

#include <algorithm>

#include "keys/decimal_text.h"
#include "keys/vk_to_usage_table.h"
#include "macro/command_count.h"

namespace pelorin {
namespace {

constexpr std::uint8_t kLastLoopCount = 255;
// Usages from here on are the mouse's own buttons, moves and wheel.
constexpr std::uint8_t kFirstMouseUsage = 0xF0;

bool isMouseCode(MacroAction action) {
  return action.b0 >= macro_code::kLeftButton && action.b0 <= macro_code::kWheel;
}

// Press, the click gap and release of one code; the caller has checked the room.
void insertStroke(MacroKey& macro, std::size_t at, std::uint8_t code) {
  macro.insertAction(at, MacroAction::press(code));
  macro.insertAction(at + 1, MacroAction::delay(kClickGapMs));
  macro.insertAction(at + 2, MacroAction::release(code));
}

std::uint8_t clickCode(InsertItem item) {
  switch (item) {
    case InsertItem::RightClick:
      return macro_code::kRightButton;
    case InsertItem::MiddleClick:
      return macro_code::kMiddleButton;
    default:
      return macro_code::kLeftButton;
  }
}

MacroAction firstMove(InsertItem item) {
  switch (item) {
    case InsertItem::MoveLeft:
      return MacroAction::move(macro_code::kMoveX, -1);
    case InsertItem::MoveRight:
      return MacroAction::move(macro_code::kMoveX, 1);
    case InsertItem::MoveUp:
      return MacroAction::move(macro_code::kMoveY, -1);
    default:
      return MacroAction::move(macro_code::kMoveY, 1);
  }
}

// Runs an editor on a copy and stores it on confirmation.
template <typename Editor, typename... Extra>
bool editSlot(MacroKey& macro, std::size_t at, const Editor& editor, Extra... extra) {
  MacroAction action = macro.actions[at];
  if (!editor || !editor(action, extra...)) return false;
  macro.setAction(at, action);
  return true;
}

// A delay rides in the entry before it, so editing one leaves the count as it is.
bool editDelayAt(MacroKey& macro, std::size_t at, const ActionEditors& editors) {
  return editSlot(macro, at, editors.editDelay);
}

EditResult insertDelay(MacroKey& macro, std::size_t at, int selectedRow,
                       const ActionEditors& editors) {
  if (at > 0 && macro.actions[at - 1].isDelay()) {
    const bool changed = editDelayAt(macro, at - 1, editors);
    return {changed ? EditResult::Done : EditResult::Cancelled, selectedRow};
  }
  if (!macro.insertAction(at, MacroAction::delay(kInsertedDelayMs))) return {EditResult::Full};
  if (!editDelayAt(macro, at, editors)) {
    macro.deleteAction(at);
    return {EditResult::Cancelled, selectedRow};
  }
  return {EditResult::Done, static_cast<int>(at)};
}

EditResult insertKeyStroke(MacroKey& macro, std::size_t at, int selectedRow,
                           const ActionEditors& editors) {
  insertStroke(macro, at, macro_code::kPlaceholderKey);
  if (!editSlot(macro, at, editors.captureKey)) {
    for (int i = 0; i < 3; ++i) macro.deleteAction(at);
    return {EditResult::Cancelled, selectedRow};
  }
  macro.setAction(at + 2, MacroAction::release(macro.actions[at].b0));
  command_count::recount(macro);
  return {EditResult::Done, static_cast<int>(at + 2)};
}

EditResult insertMove(MacroKey& macro, InsertItem item, std::size_t at, int selectedRow,
                      const ActionEditors& editors) {
  macro.insertAction(at, firstMove(item));
  if (!editSlot(macro, at, editors.editMove, item)) {
    macro.deleteAction(at);
    return {EditResult::Cancelled, selectedRow};
  }
  command_count::recount(macro);
  return {EditResult::Done, static_cast<int>(at)};
}

// The slots an insert needs; the command limit keeps the list far below its end, but a macro
// read from a file may be full of delays.
bool hasRoom(const MacroKey& macro, std::size_t slots) {
  return macro.actionCount + slots <= MacroKey::kMaxActions;
}

}  // namespace

bool isPlayableKey(std::uint8_t virtualKey) {
  const std::uint8_t usage = VkToUsageTable::usage(virtualKey);
  return usage != 0 && usage < kFirstMouseUsage;
}

EditResult insertAction(MacroKey& macro, InsertItem item, int selectedRow,
                        const ActionEditors& editors) {
  const auto count = static_cast<int>(macro.actionCount);
  const auto at =
      static_cast<std::size_t>(selectedRow >= 0 && selectedRow < count ? selectedRow + 1 : count);
  switch (item) {
    case InsertItem::LeftClick:
    case InsertItem::RightClick:
    case InsertItem::MiddleClick:
      if (!command_count::fits(macro, command_count::kInsertedClick) || !hasRoom(macro, 3)) {
        return {EditResult::Full, selectedRow};
      }
      insertStroke(macro, at, clickCode(item));
      command_count::recount(macro);
      return {EditResult::Done, static_cast<int>(at + 2)};
    case InsertItem::Delay:
      return insertDelay(macro, at, selectedRow, editors);
    case InsertItem::Key:
      if (!command_count::fits(macro, command_count::kInsertedKeyStroke) || !hasRoom(macro, 3)) {
        return {EditResult::Full, selectedRow};
      }
      return insertKeyStroke(macro, at, selectedRow, editors);
    default:
      if (!command_count::fits(macro, command_count::kInsertedMove) || !hasRoom(macro, 1)) {
        return {EditResult::Full, selectedRow};
      }
      return insertMove(macro, item, at, selectedRow, editors);
  }
}

bool modifyAction(MacroKey& macro, int row, const ActionEditors& editors) {
  if (row < 0 || row >= static_cast<int>(macro.actionCount)) return false;
  const auto at = static_cast<std::size_t>(row);
  const MacroAction action = macro.actions[at];
  if (action.isDelay()) return editDelayAt(macro, at, editors);
  if (isMouseCode(action)) return false;
  return editSlot(macro, at, editors.captureKey);
}

int deleteAction(MacroKey& macro, int row) {
  if (row < 0 || row >= static_cast<int>(macro.actionCount)) return -1;
  macro.deleteAction(static_cast<std::size_t>(row));
  command_count::recount(macro);
  return row < static_cast<int>(macro.actionCount) ? row : row - 1;
}

LoopCountEntry parseLoopCount(const std::u16string& typed) {
  const std::int64_t value = leadingDecimal(typed);
  if (value > kLastLoopCount) return {kLastLoopCount, decimalText(kLastLoopCount)};
  if (value < 1) return {1, decimalText(1)};
  return {static_cast<std::uint8_t>(value), {}};
}

}  // namespace pelorin
