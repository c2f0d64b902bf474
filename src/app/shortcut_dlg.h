#pragma once
// Assigns a keyboard shortcut: modifier boxes and one key captured through the keyboard hook, so
// that any key, printable or not, can be taken, even one the desktop would use itself. Modifier
// keys never become the captured key. OK sends the selection to the owner as kShortcutChosen.
#include <memory>

#include "lang/language_table.h"
#include "platform/keyboard_hook.h"
#include "profile/captions.h"
#include "skin/dlg_base.h"

namespace pelorin {

class CShortcutDlg final : public CDlgBase {
 public:
  static constexpr Size kDesignSize{429, 140};
  static constexpr int kTitle = 2013;
  static constexpr int kExit = 2004;
  static constexpr int kKeyName = 2012;
  static constexpr int kShift = 2008;
  static constexpr int kCtrl = 2006;
  static constexpr int kAlt = 2007;
  static constexpr int kWin = 2009;
  static constexpr int kModifiersOff = 2005;
  static constexpr int kOk = 2010;
  static constexpr int kCancelButton = 2011;

  // hook: the desktop's key capture, none where the desktop has none (keys then come only from
  // the dialog's own window). owner receives the selection with wParam `combo`.
  CShortcutDlg(SkinContext& context, const LanguageTable& texts, std::unique_ptr<KeyboardHook> hook,
               WindowId owner, int combo);
  ~CShortcutDlg() override;

 protected:
  void onInitDialog() override;
  std::intptr_t handleMessage(const Message& message) override;
  bool onDialogKey(const KeyEvent& key) override;

 private:
  void capture(int virtualKey);
  bool isChecked(int id) const;
  void confirm();
  void close(int result);

  const LanguageTable& texts_;
  std::unique_ptr<KeyboardHook> hook_;
  WindowId owner_;
  int combo_;
  int captured_ = kNoKey;
};

}  // namespace pelorin
