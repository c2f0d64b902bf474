#pragma once
// Edits the length of a delay action. Non-digits are let through but each one is pointed out;
// the number read is the leading one, cut to the longest delay the mouse stores.
#include <cstdint>

#include "app/macro_message_dlg.h"
#include "macro/macro_action.h"

namespace pelorin {

class CSkinEdit;

// Warns once for every typed character that is not a digit; the text still goes in.
void warnAboutNonDigits(std::u16string_view typed, const MacroMessage& message);

class CActionTimeModifyDlg final : public CMacroValueDlg {
 public:
  static constexpr std::uint32_t kMaxDelayMs = 15'300'000;

  CActionTimeModifyDlg(SkinContext& context, const LanguageTable& texts, MacroAction& action,
                       MacroMessage message);

  void onText(std::u16string_view text) override;

 protected:
  void onInitDialog() override;
  void confirm() override;

 private:
  MacroAction& action_;
  MacroMessage message_;
  CSkinEdit* edit_ = nullptr;
};

}  // namespace pelorin
