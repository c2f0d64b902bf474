#pragma once
// Assigns a program launch: the user picks a program with the desktop's open dialog; OK closes
// the dialog and hands the owner the program's full path (wParam) and its selection (lParam) as
// kQuickLaunchChosen. The dialog keeps its pixel size at every scale.
#include <filesystem>

#include "platform/shell.h"
#include "skin/dlg_base.h"

namespace pelorin {

class CQuickLaunchDlg final : public CDlgBase {
 public:
  static constexpr Size kSize{305, 245};
  static constexpr int kExit = 2004;
  static constexpr int kFileName = 2013;
  static constexpr int kBrowse = 2012;
  static constexpr int kOk = 2010;
  static constexpr int kCancelButton = 2011;

  // shell: none where the desktop offers no open dialog; browsing then does nothing.
  CQuickLaunchDlg(SkinContext& context, Shell* shell, WindowId owner);

 protected:
  void onInitDialog() override;
  std::intptr_t handleMessage(const Message& message) override;
  bool onDialogKey(const KeyEvent&) override { return true; }

 private:
  void browse();
  void confirm();

  Shell* shell_;
  WindowId owner_;
  std::u16string path_;
};

}  // namespace pelorin
