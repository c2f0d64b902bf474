#include "app/macro_name_dlg.h"

#include "lang/text_ids.h"
#include "skin/skin_edit.h"

namespace pelorin {

CMacroNameDlg::CMacroNameDlg(SkinContext& context, const LanguageTable& texts, int titleTextId,
                             std::u16string initial)
    : CMacroValueDlg(context, texts, texts[titleTextId]), initial_(std::move(initial)) {}

void CMacroNameDlg::onInitDialog() {
  CMacroValueDlg::onInitDialog();
  edit_ = addEdit(initial_);
}

void CMacroNameDlg::confirm() {
  name_ = edit_->text();
  endDialog(kConfirmed);
}

CMacroKeyOrFolderNameDlg::CMacroKeyOrFolderNameDlg(SkinContext& context, const LanguageTable& texts,
                                                   Mode mode)
    : CMacroNameDlg(context, texts,
                    mode == Folder ? text_id::kNewFolderName : text_id::kNewMacroName, {}) {}

}  // namespace pelorin
