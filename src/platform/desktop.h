#pragma once
// The desktop services of one backend, for the main window and the dialogs that need them.
#include <memory>

#include "platform/focus_source.h"
#include "platform/keyboard_hook.h"
#include "platform/shell.h"
#include "platform/tray_icon.h"

namespace pelorin {

class Desktop {
 public:
  virtual ~Desktop() = default;
  virtual std::unique_ptr<TrayIcon> addTrayIcon(const TrayIconParams& params) = 0;
  virtual std::unique_ptr<KeyboardHook> createKeyboardHook() = 0;
  virtual Shell& shell() = 0;
  // Which program has the focus; none where the desktop cannot tell.
  virtual std::unique_ptr<FocusSource> createFocusSource() { return nullptr; }
};

}  // namespace pelorin
