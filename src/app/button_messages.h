#pragma once
// The messages between the button combos, their function menus, the assignment dialogs and the
// main window. wParam is always the combo the menu or dialog serves; lParam, where given, points
// to the SelectionRecord to assign, valid while the message is handled.
#include "profile/function_catalogue.h"

namespace pelorin::button_msg {

constexpr unsigned kMainChosen = 1027;
constexpr unsigned kMainClosed = 1029;
constexpr unsigned kCloseSubmenus = 1033;
// Dialog requests of the main menu's dialog rows, and the dialogs' answers.
constexpr unsigned kFireKeyRequest = 1062;
constexpr unsigned kMacroRequest = 1065;
constexpr unsigned kShortcutRequest = 1035;
constexpr unsigned kOpenShortcut = 1034;
constexpr unsigned kOpenFireKey = 1061;
constexpr unsigned kOpenMacro = 1064;
constexpr unsigned kOpenQuickLaunch = 1038;
constexpr unsigned kShortcutChosen = 1036;
constexpr unsigned kFireKeyChosen = 1063;
constexpr unsigned kMacroChosen = 1066;
// lParam the selection; the program's path travels with the selection's owner.
constexpr unsigned kQuickLaunchChosen = 1039;

// How each menu talks to its owner: the message that opens it (none for the main menu, which
// opens from the combo), the message of a chosen row, and its popup kind, whose closed message
// tells the owner that it lost the focus.
struct MenuMessages {
  unsigned open;
  unsigned chosen;
  int kind;
};

constexpr MenuMessages menuMessages(FunctionMenu menu) {
  switch (menu) {
    case FunctionMenu::Main:
      return {0, kMainChosen, 0};
    case FunctionMenu::ProfileSwitch:
      return {1030, 1031, 1};
    case FunctionMenu::Dpi:
      return {1040, 1041, 2};
    case FunctionMenu::Multimedia:
      return {1043, 1044, 3};
    case FunctionMenu::DpiLock:
      return {1154, 1155, 10};
    case FunctionMenu::WindowManage:
      return {1157, 1158, 11};
    case FunctionMenu::Office:
      return {1160, 1161, 12};
  }
  return {};
}

}  // namespace pelorin::button_msg
