#pragma once
// Asks for the name of a new macro or folder. The name is read by the caller after OK; empty
// names and names already in use are the caller's to refuse.
#include <string>

#include "app/macro_value_dlg.h"

namespace pelorin {

class CMacroNameDlg : public CMacroValueDlg {
 public:
  const std::u16string& name() const { return name_; }

 protected:
  CMacroNameDlg(SkinContext& context, const LanguageTable& texts, int titleTextId,
                std::u16string initial);
  void onInitDialog() override;
  void confirm() override;

 private:
  std::u16string initial_;
  std::u16string name_;
  CSkinEdit* edit_ = nullptr;
};

class CMacroKeyOrFolderNameDlg final : public CMacroNameDlg {
 public:
  enum Mode { Macro = 0, Folder = 1 };
  CMacroKeyOrFolderNameDlg(SkinContext& context, const LanguageTable& texts, Mode mode);
};

}  // namespace pelorin
