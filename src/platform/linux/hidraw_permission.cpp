#include "platform/linux/hidraw_permission.h"

namespace pelorin {

std::string permissionHint() {
  return std::string(
             "The mouse is connected, but this user may not open its HID device nodes.\n"
             "Install the udev rule ") +
         kUdevRuleSource + " and plug the mouse in again:\n" + "  sudo install -m 0644 " +
         kUdevRuleSource + " " + kUdevRuleTarget + "\n" +
         "  sudo udevadm control --reload-rules\n"
         "  sudo udevadm trigger --subsystem-match=hidraw\n";
}

}  // namespace pelorin
