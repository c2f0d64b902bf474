#pragma once
// Chooses a macro of the library for a mouse button. OK with a macro selected tells the parent
// (message 1066) and closes with kChosen; the macro is the store's selection. A folder or
// nothing selected is refused and the dialog stays.
#include "app/macro_message_dlg.h"
#include "app/macro_tree_pane.h"
#include "lang/language_table.h"
#include "macro/macro_library.h"
#include "skin/dlg_base.h"

namespace pelorin {

class CMacroSelectDlg final : public CDlgBase {
 public:
  static constexpr Size kDesignSize{528, 365};
  static constexpr unsigned kMacroChosen = 1066;
  static constexpr int kExit = 2004;
  static constexpr int kOk = 2010;
  static constexpr int kCaption = 2025;
  // doModal's result when a macro was chosen.
  static constexpr int kChosen = 1;

  CMacroSelectDlg(SkinContext& context, const LanguageTable& texts, MacroStore& store,
                  WindowId parent, MacroMessage message);

  void onMouse(const MouseEvent& event) override;

 protected:
  void onInitDialog() override;
  std::intptr_t handleMessage(const Message& message) override;
  bool onDialogKey(const KeyEvent& key) override;

 private:
  void choose(std::intptr_t wParam);

  const LanguageTable& texts_;
  MacroStore& store_;
  WindowId parent_;
  MacroMessage message_;
  MacroTreePane pane_;
};

}  // namespace pelorin
