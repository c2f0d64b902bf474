#pragma once
// The message box of the macro dialogs: the attention title, one text and OK, or OK and Cancel
// when it asks a question. Returns kConfirmed only for OK.
#include <functional>

#include "app/macro_value_dlg.h"

namespace pelorin {

class CMacroMessageDlg final : public CMacroValueDlg {
 public:
  CMacroMessageDlg(SkinContext& context, const LanguageTable& texts, int textId, bool question);

 protected:
  void onInitDialog() override;

 private:
  int textId_;
  bool question_;
};

// How the macro dialogs show a message: the text id, and whether OK and Cancel are offered.
// Returns true for OK. The program opens a CMacroMessageDlg; tests record the texts.
using MacroMessage = std::function<bool(int textId, bool question)>;

// Opens the message box modally over the owner.
MacroMessage macroMessageBoxes(SkinContext& context, const LanguageTable& texts, WindowId owner);

}  // namespace pelorin
