#pragma once
// How one action is shown as a line of the manager's action list.
#include <string>

#include "macro/macro_action.h"

namespace pelorin {

enum class ActionIcon { Delay, Press, Release };

struct ActionText {
  std::u16string text;
  ActionIcon icon = ActionIcon::Delay;

  friend bool operator==(const ActionText&, const ActionText&) = default;
};

// Delays show "<ms>ms", moves and wheel steps their direction and size, everything else the
// key's name. The move texts are not translated.
ActionText actionText(MacroAction action);

// The skin image of each icon kind.
const char* actionIconFile(ActionIcon icon);

}  // namespace pelorin
