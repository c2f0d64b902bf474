#pragma once
// The programs linked to one profile: three rows, each with the program and its Choose and Clear
// buttons. Choose lists the programs running now, with the file dialog as its last row. The
// changes go to the profile at once; the owner saves when the dialog ends.
#include <array>
#include <string>
#include <vector>

#include "lang/language_table.h"
#include "platform/desktop.h"
#include "profile/program_rules.h"
#include "skin/dlg_base.h"

namespace pelorin {

class CProgramsDlg final : public CDlgBase {
 public:
  static constexpr Size kDesignSize{429, 220};
  static constexpr int kChanged = 1;
  // Control ids: the row k's text, Choose and Clear are the first id + k.
  static constexpr int kTitle = 2012;
  static constexpr int kExit = 2004;
  static constexpr int kOk = 2010;
  static constexpr int kFirstProgram = 2100;
  static constexpr int kFirstChoose = 2110;
  static constexpr int kFirstClear = 2120;
  static constexpr int kNote = 2130;
  // The running programs' list: a row chosen (lParam), or the list closed unused.
  static constexpr unsigned kListChosen = 1125;
  static constexpr unsigned kListClosed = 1126;
  static constexpr int kListSlot = 0;

  // desktop: the file dialog and the running programs; may be null (no Choose list then).
  CProgramsDlg(SkinContext& context, const LanguageTable& texts, ProfileRecord& profile,
               Desktop* desktop, const FocusSource* focus);

  std::u16string rowText(std::size_t link) const;

 protected:
  void onInitDialog() override;
  std::intptr_t handleMessage(const Message& message) override;

 private:
  void openChoice(std::size_t link);
  void chooseRow(std::size_t row);
  void set(std::size_t link, std::u16string program);
  void showRows();

  const LanguageTable& texts_;
  ProfileRecord& profile_;
  Desktop* desktop_;
  const FocusSource* focus_;
  std::vector<std::u16string> running_;
  std::size_t choosing_ = 0;
  bool changed_ = false;
};

}  // namespace pelorin
