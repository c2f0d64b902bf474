#pragma once
// Picks a key for a macro action by listening to the keyboard hook: every key transition the
// hook reports becomes the candidate and its name is shown. Only b0 changes, and only on OK.
#include <cstdint>
#include <memory>

#include "app/macro_value_dlg.h"
#include "macro/macro_action.h"
#include "platform/keyboard_hook.h"

namespace pelorin {

class CActionKeyModifyDlg final : public CMacroValueDlg {
 public:
  // hook may be null (no key source): the dialog then only shows the current key.
  CActionKeyModifyDlg(SkinContext& context, const LanguageTable& texts,
                      std::unique_ptr<KeyboardHook> hook, MacroAction& action);
  ~CActionKeyModifyDlg() override;

  std::uint8_t key() const { return key_; }

 protected:
  void onInitDialog() override;
  void confirm() override;
  void cancel() override;
  std::intptr_t handleOther(const Message& message) override;

 private:
  void stopHook();

  std::unique_ptr<KeyboardHook> hook_;
  MacroAction& action_;
  std::uint8_t key_;
  CStaticText* value_ = nullptr;
};

}  // namespace pelorin
