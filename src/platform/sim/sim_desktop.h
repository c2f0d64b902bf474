#pragma once
// The headless desktop: hands out the sim tray icon, shell and keyboard hook, and keeps track of
// them so tests can reach what the program created.
#include <optional>

#include "platform/desktop.h"
#include "platform/sim/sim_focus_source.h"
#include "platform/sim/sim_keyboard_hook.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/sim_tray_icon.h"

namespace pelorin {

class SimDesktop final : public Desktop {
 public:
  explicit SimDesktop(WindowSystem& windows) : windows_(windows) {}

  std::unique_ptr<TrayIcon> addTrayIcon(const TrayIconParams& params) override;
  std::unique_ptr<KeyboardHook> createKeyboardHook() override;
  Shell& shell() override { return shell_; }
  // None until a test gives the desktop a focus to follow.
  std::unique_ptr<FocusSource> createFocusSource() override;

  void setFocusReach(std::optional<FocusSource::Reach> reach) { focusReach_ = reach; }

  // The last icon or hook handed out; null before the first. Valid while the program keeps it.
  SimTrayIcon* trayIcon() const { return tray_; }
  SimKeyboardHook* keyboardHook() const { return hook_; }
  SimFocusSource* focusSource() const { return focus_; }
  SimShell& simShell() { return shell_; }
  // Without one, the icons handed out say they are not shown.
  void setNotificationArea(bool present) { notificationArea_ = present; }

 private:
  WindowSystem& windows_;
  SimShell shell_;
  SimTrayIcon* tray_ = nullptr;
  SimKeyboardHook* hook_ = nullptr;
  bool notificationArea_ = true;
  std::optional<FocusSource::Reach> focusReach_;
  SimFocusSource* focus_ = nullptr;
};

}  // namespace pelorin
