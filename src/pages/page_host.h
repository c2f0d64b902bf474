#pragma once
// What a page asks of the main window when the user changes something: the current profile, the
// sensor's step table, the transfer to the mouse, its timers, notices, dialogs and list popups. A
// page never sends anything itself; it changes the profile, marks a group and schedules.
#include <optional>
#include <string>
#include <vector>

#include "device/setting_commands.h"
#include "pages/dpi_step_table.h"
#include "profile/profile_record.h"

namespace pelorin {

class CControlBase;
class CDPIValueShowControl;

// The colour the palette edits: slot k of lighting mode m, or DPI level k.
struct ColourTarget {
  enum class Kind : int { Lighting = 0, DpiLevel = 1 };
  Kind kind = Kind::Lighting;
  int mode = 0;
  int index = 0;
};

// A list popup opened below a combo; the chosen row comes back as itemMessage with the row in
// lParam, and closedMessage follows the popup's kind when it closes unused.
struct ListPopup {
  int kind = 0;
  unsigned itemMessage = 0;
  std::vector<std::u16string> rows;
  int marked = -1;
};

class PageHost {
 public:
  virtual ~PageHost() = default;

  // Null while no profile is loaded.
  virtual ProfileRecord* profile() = 0;
  virtual const DpiStepTable& dpiSteps() const = 0;
  // Marks the group of the current profile (none: only the save follows) and schedules the
  // transfer timer.
  virtual void transfer(std::optional<SettingGroup> group) = 0;
  virtual void refreshPages() = 0;
  virtual void notice(int titleTextId, int messageTextId) = 0;
  virtual void startTimer(int id, unsigned ms) = 0;
  virtual void killTimer(int id) = 0;
  // Modal; true when the user confirmed and the dialog has written its choice.
  virtual bool chooseDpiStep(CDPIValueShowControl& display) = 0;
  virtual bool chooseColour(const ColourTarget& target) = 0;
  virtual void openList(const CControlBase& below, ListPopup list) = 0;
  virtual void closeList() = 0;
};

}  // namespace pelorin
