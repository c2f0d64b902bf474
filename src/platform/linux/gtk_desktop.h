#pragma once
// The desktop services of the GTK host.
#include "platform/desktop.h"
#include "platform/linux/gtk_shell.h"
#include "platform/ui_dispatcher.h"

namespace pelorin {

class GtkWindowSystem;

class GtkDesktop final : public Desktop {
 public:
  GtkDesktop(GtkWindowSystem& windows, UiDispatcher& ui)
      : windows_(windows), ui_(ui), shell_(windows) {}

  std::unique_ptr<TrayIcon> addTrayIcon(const TrayIconParams& params) override;
  std::unique_ptr<KeyboardHook> createKeyboardHook() override;
  Shell& shell() override { return shell_; }
  std::unique_ptr<FocusSource> createFocusSource() override;

 private:
  GtkWindowSystem& windows_;
  UiDispatcher& ui_;
  GtkShell shell_;
};

}  // namespace pelorin
