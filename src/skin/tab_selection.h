#pragma once
// The two tab variables that the whole program shares: the main window's tab and the tab of
// the second set. The application owns one record and hands it to every tab button.
#include <optional>

namespace pelorin {

struct TabSelection {
  int mainTab = 0;
  int secondTab = 0;
};

// Where a tab button keeps its choice.
struct TabSlot {
  int TabSelection::*variable;
  int value;
};

// None for an id that belongs to neither set.
std::optional<TabSlot> tabSlotOf(int id);

}  // namespace pelorin
