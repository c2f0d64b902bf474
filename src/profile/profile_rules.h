#pragma once
// The rules over a profile that every front end applies the same way: the window's pages and
// `pelorinctl set` both call these, so a profile one of them accepts the other accepts too.
#include <cstdint>

#include "profile/assignment_code.h"
#include "profile/profile_record.h"

namespace pelorin {

// A left click is any mouse-button code for the left button, whatever its third byte says.
bool isLeftClick(const AssignmentCode& code);
// A profile keeps a left click somewhere, or the mouse could not be used to undo the change.
bool hasLeftClick(const ProfileRecord& record);

enum class DpiSwitch { Done, Unchanged, LastLevelStays };
// Turns DPI level 0..7 on or off. The last enabled level stays on, and the current level stays
// the same level where it can: its ordinal follows the levels switched before it.
DpiSwitch switchDpiLevel(ProfileRecord& record, int level, bool on);
// Makes an enabled level 0..7 the current one; false (and nothing changed) for a level that is off.
bool makeDpiLevelCurrent(ProfileRecord& record, int level);
// Brings every level's step index inside a table of stepCount steps (none is changed for an
// empty table); true when one was changed.
bool fitDpiSteps(ProfileRecord& record, int stepCount);

}  // namespace pelorin
