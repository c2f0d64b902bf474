#pragma once
// The question before the mouse and the current profile go back to their factory state. OK
// confirms (result 1); the close and cancel buttons do not. Enter confirms; Escape does nothing.
#include "lang/language_table.h"
#include "skin/dlg_base.h"

namespace pelorin {

class CFirmwareResetDlg final : public CDlgBase {
 public:
  static constexpr Size kDesignSize{429, 140};
  static constexpr int kConfirmed = 1;
  static constexpr int kOk = 2010;
  static constexpr int kCancelButton = 2011;
  static constexpr int kExit = 2004;

  CFirmwareResetDlg(SkinContext& context, const LanguageTable& texts);

 protected:
  void onInitDialog() override;
  std::intptr_t handleMessage(const Message& message) override;
  bool onDialogKey(const KeyEvent& key) override;

 private:
  const LanguageTable& texts_;
};

}  // namespace pelorin
