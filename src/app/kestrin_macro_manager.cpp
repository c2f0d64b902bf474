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
  bool saved = false;
  {
    CMacroManagerDlg manager(MacroManagerRun{
        context(), data.texts, data.macros, options_, file, &data.profiles, run_.desktop, {}, {}});
    manager.doModal(WindowKind::Modal, windowId());
    saved = manager.saved();
  }
  // Memory and file agree again, unless the save failed: then the edits stay in memory only.
  if (saved) data.library.read(file);
  // The buttons' copies are refreshed from the library at the numbering of the dispatch below,
  // so an edited macro of a current button goes to the mouse at once.
  session_->relinkMacros();
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
}

}  // namespace pelorin
