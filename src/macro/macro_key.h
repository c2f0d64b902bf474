#pragma once
// A macro: a named list of at most 336 actions with its loop settings and command count. Every
// profile button owns a copy of one, so the macro model sits below the profile model.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "macro/macro_action.h"

namespace pelorin {

// Stored values of the three loop-mode radio buttons, in the order they stand on the dialog.
namespace loop_type {
constexpr std::uint8_t kFirst = 1;
constexpr std::uint8_t kSecond = 4;
constexpr std::uint8_t kRepeatCount = 2;
}  // namespace loop_type

struct MacroKey {
  static constexpr std::size_t kMaxActions = 336;
  static constexpr std::uint8_t kMaxCommands = 168;

  std::u16string name;
  std::uint32_t keyIndex = 0;
  std::uint32_t actionCount = 0;
  std::array<MacroAction, kMaxActions> actions{};
  std::uint8_t loopType = loop_type::kRepeatCount;
  std::uint8_t loopCount = 1;
  std::uint8_t commandCount = 0;

  friend bool operator==(const MacroKey&, const MacroKey&) = default;

  static MacroKey create(std::u16string macroName) {
    MacroKey key;
    key.name = std::move(macroName);
    return key;
  }

  // An index past the array reads slot 0; slots at or beyond the used count read as zero.
  MacroAction getAction(std::size_t index) const {
    if (index >= kMaxActions) index = 0;
    return index < actionCount ? actions[index] : MacroAction{};
  }

  bool setAction(std::size_t index, MacroAction action) {
    if (index >= kMaxActions) return false;
    actions[index] = action;
    return true;
  }

  bool insertAction(std::size_t index, MacroAction action) {
    if (actionCount >= kMaxActions) return false;
    const std::size_t at = std::min<std::size_t>(index, actionCount);
    std::copy_backward(actions.begin() + at, actions.begin() + actionCount,
                       actions.begin() + actionCount + 1);
    actions[at] = action;
    ++actionCount;
    return true;
  }

  bool deleteAction(std::size_t index) {
    if (index >= actionCount) return false;
    std::copy(actions.begin() + index + 1, actions.end(), actions.begin() + index);
    actions.back() = {};
    --actionCount;
    return true;
  }

  // Refreshes a button's copy from a library macro: the actions are inserted one by one into an
  // emptied list, so no stale slot of the previous macro survives past the new count.
  void copyFrom(const MacroKey& source) {
    name = source.name;
    keyIndex = source.keyIndex;
    loopType = source.loopType;
    loopCount = source.loopCount;
    commandCount = source.commandCount;
    actionCount = 0;
    actions.fill({});
    for (std::uint32_t i = 0; i < source.actionCount && i < kMaxActions; ++i) {
      insertAction(i, source.actions[i]);
    }
  }
};

}  // namespace pelorin
