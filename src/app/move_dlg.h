#pragma once
// Edits the step of a pointer move action for one of the four directions of the insert menu.
// The number typed is limited to 1..127 and the direction gives the sign.
#include "app/macro_message_dlg.h"
#include "macro/macro_action.h"
#include "macro/macro_editor.h"

namespace pelorin {

class CSkinEdit;

class CActionXYModifyDlg final : public CMacroValueDlg {
 public:
  static constexpr int kMaxStep = 127;

  CActionXYModifyDlg(SkinContext& context, const LanguageTable& texts, MacroAction& action,
                     InsertItem direction, MacroMessage message);

  void onText(std::u16string_view text) override;

 protected:
  void onInitDialog() override;
  void confirm() override;

 private:
  MacroAction& action_;
  InsertItem direction_;
  MacroMessage message_;
  CSkinEdit* edit_ = nullptr;
};

}  // namespace pelorin
