#include "platform/sim/sim_tray_icon.h"

#include <algorithm>

namespace pelorin {

SimTrayIcon::SimTrayIcon(WindowSystem& windows, const TrayIconSpec& spec)
    : windows_(windows), spec_(spec) {
  spec_.icon = nullptr;  // the caller's picture may go away
  if (spec.icon != nullptr) setIcon(*spec.icon);
}

void SimTrayIcon::setIcon(const Image& icon) {
  iconCentre_ = icon.pixel(icon.width() / 2, icon.height() / 2);
}

void SimTrayIcon::doubleClick() {
  windows_.post(spec_.target, Message{spec_.callbackMessage, spec_.iconId, kTrayDoubleClick, {}});
}

bool SimTrayIcon::choose(int command) {
  const bool listed = command != 0 && std::any_of(spec_.menu.begin(), spec_.menu.end(),
                                                  [command](const TrayMenuItem& item) {
                                                    return item.command == command;
                                                  });
  if (listed) windows_.post(spec_.target, Message{msg::kCommand, command, 0, {}});
  return listed;
}

}  // namespace pelorin
