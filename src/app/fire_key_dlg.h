#pragma once
// Assigns a fire key: two numbers the mouse repeats its click with. Each field holds 0 to 255;
// a larger number is cut back within 100 ms with a warning, any typed character other than a
// digit warns at once, and OK takes the first number only above 4.
#include <functional>

#include "lang/language_table.h"
#include "skin/dlg_base.h"

namespace pelorin {

class CSkinEdit;

class CFireKeyDlg final : public CDlgBase {
 public:
  static constexpr Size kDesignSize{429, 140};
  static constexpr int kTitle = 2012;
  static constexpr int kExit = 2004;
  static constexpr int kField = 2017;  // both fields
  static constexpr int kOk = 2010;
  static constexpr int kCancelButton = 2011;
  static constexpr int kCheckTimer = 1;
  static constexpr int kFieldMaximum = 255;

  using Notice = std::function<void(int titleTextId, int messageTextId)>;

  // owner receives the selection as kFireKeyChosen with wParam `combo`.
  CFireKeyDlg(SkinContext& context, const LanguageTable& texts, Notice notice, WindowId owner,
              int combo);

  void onTimer(int id) override;
  void onText(std::u16string_view text) override;

 protected:
  void onInitDialog() override;
  std::intptr_t handleMessage(const Message& message) override;
  bool onDialogKey(const KeyEvent& key) override;

 private:
  void confirm();
  void close(int result);

  const LanguageTable& texts_;
  Notice notice_;
  WindowId owner_;
  int combo_;
  std::array<CSkinEdit*, 2> fields_{};
};

}  // namespace pelorin
