#pragma once
// A notification icon of the headless host: tests read what it shows and act on it as a user.
#include <string>
#include <vector>

#include "platform/tray_icon.h"
#include "platform/window_system.h"

namespace pelorin {

class SimTrayIcon final : public TrayIcon {
 public:
  SimTrayIcon(WindowSystem& windows, const TrayIconParams& params);

  void setIcon(const Image& icon) override;
  void setTooltip(std::u16string_view tooltip) override { params_.tooltip = tooltip; }
  void setMenu(const std::vector<TrayMenuItem>& menu) override { params_.menu = menu; }
  bool shown() const override { return shown_; }
  // A desktop without a notification area.
  void setShown(bool shown) { shown_ = shown; }

  const std::u16string& tooltip() const { return params_.tooltip; }
  const std::vector<TrayMenuItem>& menu() const { return params_.menu; }
  // The colour of the icon's centre pixel, to tell which picture it shows.
  Colour iconCentre() const { return iconCentre_; }

  void doubleClick();
  // False when the menu has no such item (a separator is no item).
  bool choose(int command);

 private:
  WindowSystem& windows_;
  TrayIconParams params_;
  Colour iconCentre_ = 0;
  bool shown_ = true;
};

}  // namespace pelorin
