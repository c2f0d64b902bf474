#pragma once
// What a page asks of the main window when the user changes something: the current profile, the
// sensor's step table, the one way to edit the profile, its timers, notices, dialogs and list
// popups. The profile is the only copy of a setting: a page draws from it and changes it only
// through `edit`; it never sends anything itself.
#include <functional>
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
  using Change = std::function<void(ProfileRecord&)>;
  // Changes the current profile, marks the group (none: only the save follows), schedules the
  // transfer timer and refreshes the pages from the profile.
  virtual void edit(std::optional<SettingGroup> group, const Change& change) = 0;
  virtual void refreshPages() = 0;
  virtual void notice(int titleTextId, int messageTextId) = 0;
  virtual void startTimer(int id, unsigned ms) = 0;
  virtual void killTimer(int id) = 0;
  // Modal; true when the user confirmed and the dialog has written its step into the display.
  virtual bool chooseDpiStep(CDPIValueShowControl& display) = 0;
  // Modal, starting from the target's colour; the colour the user confirmed, else none.
  virtual std::optional<ColourRef> chooseColour(const ColourTarget& target) = 0;
  virtual void openList(const CControlBase& below, ListPopup list) = 0;
  virtual void closeList() = 0;
};

}  // namespace pelorin
