#pragma once
// The two small name dialogs of the slot bar: adding a profile reveals the first hidden one under
// a new name with factory settings; renaming changes the current name only. Enter confirms,
// Escape is swallowed, an empty name is refused and the dialog stays.
#include <functional>
#include <string>

#include "lang/language_table.h"
#include "profile/app_config.h"
#include "profile/profile_table.h"
#include "skin/dlg_base.h"

namespace pelorin {

class CSkinEdit;

class CProfileNameDlg : public CDlgBase {
 public:
  static constexpr Size kDesignSize{429, 140};
  static constexpr int kConfirmed = 1;
  // Control ids.
  static constexpr int kTitle = 2012;
  static constexpr int kExit = 2004;
  static constexpr int kEdit = 2017;
  static constexpr int kOk = 2010;
  static constexpr int kCancelButton = 2011;

  using Notice = std::function<void(int titleTextId, int messageTextId)>;

  std::u16string name() const;

 protected:
  CProfileNameDlg(SkinContext& context, const LanguageTable& texts, int titleTextId,
                  std::u16string initial, Notice notice);
  // Stores the confirmed, non-empty name.
  virtual void confirm(const std::u16string& name) = 0;
  const LanguageTable& texts() const { return texts_; }

  void onInitDialog() override;
  std::intptr_t handleMessage(const Message& message) override;
  bool onDialogKey(const KeyEvent& key) override;

 private:
  void tryConfirm();

  const LanguageTable& texts_;
  int titleTextId_;
  std::u16string initial_;
  Notice notice_;
  CSkinEdit* edit_ = nullptr;
};

class CAddProfileDlg final : public CProfileNameDlg {
 public:
  CAddProfileDlg(SkinContext& context, const LanguageTable& texts, Notice notice,
                 ProfileTable& profiles, AppConfig& config, int target);

 protected:
  void confirm(const std::u16string& name) override;

 private:
  ProfileTable& profiles_;
  AppConfig& config_;
  int target_;
};

class CEditProfileDlg final : public CProfileNameDlg {
 public:
  CEditProfileDlg(SkinContext& context, const LanguageTable& texts, Notice notice,
                  ProfileRecord& target);

 protected:
  void confirm(const std::u16string& name) override;

 private:
  ProfileRecord& target_;
};

}  // namespace pelorin
