#pragma once
// Renames a library item: the box starts with the current name.
#include "app/macro_name_dlg.h"

namespace pelorin {

class CMacroKeyRenameDlg final : public CMacroNameDlg {
 public:
  CMacroKeyRenameDlg(SkinContext& context, const LanguageTable& texts, std::u16string current);
};

}  // namespace pelorin
