#pragma once
// The button page of the main window: the function menus behind the button combos, the dialogs
// that some functions need, and the page host's edit that stores a chosen function into the
// current profile. A choice that would leave the profile without any left click changes nothing,
// and the user is told so shortly after the menus have gone.
#include <functional>
#include <memory>
#include <optional>

#include "app/app_data.h"
#include "pages/page_host.h"
#include "platform/desktop.h"
#include "profile/function_catalogue.h"
#include "skin/dlg_base.h"

namespace pelorin {

struct ButtonPageEnv {
  CDlgBase& window;
  SkinContext& skin;
  AppData& data;
  PageHost& host;
  Desktop* desktop = nullptr;
  // An attention notice by language texts.
  std::function<void(int titleTextId, int messageTextId)> notice;
};

class ButtonAssignment {
 public:
  static constexpr int kMenuSlot = 2;
  static constexpr int kSubmenuSlot = 3;
  static constexpr int kNoticeTimer = 20;
  static constexpr unsigned kNoticeDelayMs = 100;

  explicit ButtonAssignment(ButtonPageEnv env) : env_(std::move(env)) {}

  // True when the message was the button page's.
  bool handle(const Message& message);
  // Timer 20: shows the notice that is waiting.
  void showPendingNotice();

  // While the pointer rests on a combo, its button is marked on the mouse picture.
  void drawHover(Canvas& canvas) const;

 private:
  void onCombo(int combo, int code);
  void openMenu(FunctionMenu menu, int combo);
  void openSubmenu(FunctionMenu menu);
  void menuLostFocus();
  bool menuHasFocus() const;
  void closeMenus();
  void runDialog(unsigned openMessage);
  // attached: the macro copy or the program path that the slot keeps with the function.
  void apply(const SelectionRecord& record, const MacroKey* attached = nullptr);
  void refuseLosingLeftClick();

  ButtonPageEnv env_;
  std::optional<int> pending_;
  std::optional<int> hovered_;
  mutable std::unique_ptr<Image> hoverImage_;
  bool openingSubmenu_ = false;
  std::optional<std::pair<int, int>> waitingNotice_;
};

}  // namespace pelorin
