#include "app/macro_rename_dlg.h"

#include "lang/text_ids.h"

namespace pelorin {

CMacroKeyRenameDlg::CMacroKeyRenameDlg(SkinContext& context, const LanguageTable& texts,
                                       std::u16string current)
    : CMacroNameDlg(context, texts, text_id::kRenameItem, std::move(current)) {}

}  // namespace pelorin
