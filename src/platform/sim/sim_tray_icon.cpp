#include "platform/sim/sim_tray_icon.h"

#include <algorithm>

namespace pelorin {

SimTrayIcon::SimTrayIcon(WindowSystem& windows, const TrayIconParams& params)
    : windows_(windows), params_(params) {
  params_.icon = nullptr;  // the caller's picture may go away
  if (params.icon != nullptr) setIcon(*params.icon);
}

void SimTrayIcon::setIcon(const Image& icon) {
  iconCentre_ = icon.pixel(icon.width() / 2, icon.height() / 2);
}

void SimTrayIcon::doubleClick() {
  windows_.post(params_.target,
                Message{params_.callbackMessage, params_.iconId, kTrayDoubleClick, {}});
}

bool SimTrayIcon::choose(int command) {
  const bool listed = command != 0 && std::any_of(params_.menu.begin(), params_.menu.end(),
                                                  [command](const TrayMenuItem& item) {
                                                    return item.command == command;
                                                  });
  if (listed) windows_.post(params_.target, Message{msg::kCommand, command, 0, {}});
  return listed;
}

}  // namespace pelorin
