#pragma once
// The program's icon in the desktop's notification area. A left double click posts the callback
// message (wParam the icon id, lParam kTrayDoubleClick); choosing a menu item posts msg::kCommand
// with the item's command in wParam. The menu is shown by the icon itself on a right click.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/image.h"
#include "platform/window.h"
#include "platform/window_message.h"

namespace pelorin {

constexpr std::intptr_t kTrayDoubleClick = 0x0203;

struct TrayMenuItem {
  int command = 0;  // 0 draws a separator
  std::u16string text;
};

struct TrayIconParams {
  WindowId target = kNoWindow;
  unsigned callbackMessage = 0;
  int iconId = 0;
  std::u16string tooltip;
  const Image* icon = nullptr;  // copied; may be gone after the call
  std::vector<TrayMenuItem> menu;
};

// Removed from the notification area when destroyed.
class TrayIcon {
 public:
  virtual ~TrayIcon() = default;
  virtual void setIcon(const Image& icon) = 0;
  virtual void setTooltip(std::u16string_view tooltip) = 0;
  virtual void setMenu(const std::vector<TrayMenuItem>& menu) = 0;
  // False while the desktop shows no notification area; the window is then the only way in.
  virtual bool shown() const = 0;
};

}  // namespace pelorin
