#include "platform/linux/gtk_desktop.h"

#include "platform/linux/gtk_tray_icon.h"
#include "platform/linux/gtk_window_system.h"
#include "platform/linux/x11_focus_source.h"
#include "platform/linux/x11_keyboard_hook.h"

namespace pelorin {

std::unique_ptr<TrayIcon> GtkDesktop::addTrayIcon(const TrayIconParams& params) {
  return createGtkTrayIcon(windows_, params, desktopTrayKind());
}

std::unique_ptr<KeyboardHook> GtkDesktop::createKeyboardHook() {
  return std::make_unique<X11KeyboardHook>(windows_, ui_);
}

std::unique_ptr<FocusSource> GtkDesktop::createFocusSource() {
  return createLinuxFocusSource(ui_);
}

}  // namespace pelorin
