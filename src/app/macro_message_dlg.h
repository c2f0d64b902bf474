#pragma once
// The message box of the macro dialogs: the attention title, one text and OK, or OK and Cancel
// when it asks a question. Returns kConfirmed only for OK.
#include <functional>
#include <string>

#include "app/macro_value_dlg.h"

namespace pelorin {

class CMacroMessageDlg final : public CMacroValueDlg {
 public:
  // A detail (the system's reason of a failure) follows the text.
  CMacroMessageDlg(SkinContext& context, const LanguageTable& texts, int textId, bool question,
                   std::u16string detail = {});

 protected:
  void onInitDialog() override;

 private:
  int textId_;
  bool question_;
  std::u16string detail_;
};

// How the macro dialogs show a message: the text id, and whether OK and Cancel are offered.
// Returns true for OK. The program opens a CMacroMessageDlg; tests record the texts.
using MacroMessage = std::function<bool(int textId, bool question)>;

// A failure told with the system's reason after the text.
using MacroNotice = std::function<void(int textId, const std::u16string& reason)>;

// Open the message box modally over the owner.
MacroMessage macroMessageBoxes(SkinContext& context, const LanguageTable& texts, WindowId owner);
MacroNotice macroNoticeBoxes(SkinContext& context, const LanguageTable& texts, WindowId owner);

}  // namespace pelorin
