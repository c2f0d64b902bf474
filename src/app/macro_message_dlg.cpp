#include "app/macro_message_dlg.h"

#include "lang/text_ids.h"
#include "skin/static_text.h"

namespace pelorin {

CMacroMessageDlg::CMacroMessageDlg(SkinContext& context, const LanguageTable& texts, int textId,
                                   bool question)
    : CMacroValueDlg(context, texts, texts[text_id::kAttentionTitle]),
      textId_(textId),
      question_(question) {}

void CMacroMessageDlg::onInitDialog() {
  CMacroValueDlg::onInitDialog();
  addValueText(texts()[textId_]);
  if (!question_) findControl(kCancelButton)->setShown(false);
}

MacroMessage macroMessageBoxes(SkinContext& context, const LanguageTable& texts, WindowId owner) {
  return [&context, &texts, owner](int textId, bool question) {
    CMacroMessageDlg box(context, texts, textId, question);
    return box.doModal(WindowKind::Modal, owner) == CMacroMessageDlg::kConfirmed;
  };
}

}  // namespace pelorin
