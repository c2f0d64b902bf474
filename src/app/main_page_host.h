#pragma once
// The main window as its pages see it: the current profile, its edits marked for the device
// session, the window's timers and the dialogs and lists the pages open.
#include <functional>

#include "pages/page_host.h"
#include "skin/skin_context.h"

namespace pelorin {

class CKestrinDlg;

class MainPageHost final : public PageHost {
 public:
  using Notice = std::function<void(int titleTextId, int messageTextId)>;
  // The list popups of the pages use this popup slot of the window.
  static constexpr int kListSlot = 9;

  MainPageHost(CKestrinDlg& window, SkinContext& skin, Notice notice);

  ProfileRecord* profile() override;
  const DpiStepTable& dpiSteps() const override;
  void edit(std::optional<SettingGroup> group, const Change& change) override;
  void refreshPages() override;
  void notice(int titleTextId, int messageTextId) override;
  void startTimer(int id, unsigned ms) override;
  void killTimer(int id) override;
  bool chooseDpiStep(CDPIValueShowControl& display) override;
  std::optional<ColourRef> chooseColour(const ColourTarget& target) override;
  void openList(const CControlBase& below, ListPopup list) override;
  void closeList() override;

 private:
  CKestrinDlg& window_;
  SkinContext& skin_;
  Notice notice_;
};

}  // namespace pelorin
