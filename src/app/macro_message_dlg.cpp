#include "app/macro_message_dlg.h"

#include "lang/text_ids.h"
#include "skin/static_text.h"

namespace pelorin {

CMacroMessageDlg::CMacroMessageDlg(SkinContext& context, const LanguageTable& texts, int textId,
                                   bool question, std::u16string detail)
    : CMacroValueDlg(context, texts, texts[text_id::kAttentionTitle]),
      textId_(textId),
      question_(question),
      detail_(std::move(detail)) {}

void CMacroMessageDlg::onInitDialog() {
  CMacroValueDlg::onInitDialog();
  addValueText(detail_.empty() ? texts()[textId_] : texts()[textId_] + u" " + detail_);
  if (!question_) findControl(kCancelButton)->setShown(false);
}

MacroMessage macroMessageBoxes(SkinContext& context, const LanguageTable& texts, WindowId owner) {
  return [&context, &texts, owner](int textId, bool question) {
    CMacroMessageDlg box(context, texts, textId, question);
    return box.doModal(WindowKind::Modal, owner) == CMacroMessageDlg::kConfirmed;
  };
}

MacroNotice macroNoticeBoxes(SkinContext& context, const LanguageTable& texts, WindowId owner) {
  return [&context, &texts, owner](int textId, const std::u16string& reason) {
    CMacroMessageDlg box(context, texts, textId, false, reason);
    box.doModal(WindowKind::Modal, owner);
  };
}

}  // namespace pelorin
