// The main window's macro button: the manager runs modally on the main library; afterwards the
// library is read back from the file it wrote, so memory and file agree, and the buttons that
// play macros go to the mouse again.
#include <algorithm>

#include "app/kestrin_dlg.h"
#include "app/macro_manager_dlg.h"
#include "macro/library_file.h"
#include "profile/assignment_code.h"

namespace pelorin {

void CKestrinDlg::openMacroManager() {
  AppData& data = run_.data;
  const std::filesystem::path file = libraryFilePath(data.dataFolder);
  {
    CMacroManagerDlg manager(MacroManagerRun{context(),
                                             data.texts,
                                             data.macros,
                                             options_,
                                             file,
                                             data.profiles.record(current()),
                                             run_.desktop,
                                             {}});
    manager.doModal(WindowKind::Modal, windowId());
  }
  data.library.read(file);
  const ProfileRecord* profile = data.profiles.record(current());
  const bool playsMacro =
      profile != nullptr &&
      std::any_of(profile->keys.begin(), profile->keys.end(),
                  [](const KeySlot& slot) { return slot.Value.type == code_type::kMacro; });
  if (playsMacro) {
    session_->markPending(SettingGroup::Buttons);
    session_->dispatchPendingSends();
  }
  refreshFromProfile();
  // The buttons' copies are refreshed from the reloaded library at the next numbering, after the
  // dispatch above.
  session_->relinkMacros();
}

}  // namespace pelorin
