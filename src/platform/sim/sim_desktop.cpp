#include "platform/sim/sim_desktop.h"

namespace pelorin {

std::unique_ptr<TrayIcon> SimDesktop::addTrayIcon(const TrayIconParams& params) {
  auto icon = std::make_unique<SimTrayIcon>(windows_, params);
  tray_ = icon.get();
  tray_->setShown(notificationArea_);
  return icon;
}

std::unique_ptr<KeyboardHook> SimDesktop::createKeyboardHook() {
  auto hook = std::make_unique<SimKeyboardHook>(windows_);
  hook_ = hook.get();
  return hook;
}

std::unique_ptr<FocusSource> SimDesktop::createFocusSource() {
  if (!focusReach_) return nullptr;
  auto source = std::make_unique<SimFocusSource>(*focusReach_);
  focus_ = source.get();
  return source;
}

}  // namespace pelorin
