#pragma once
// The HID bus of the machine the program runs on, or nullptr where no backend exists.
#include <memory>
#include <string>

#include "platform/hid_bus.h"

namespace pelorin {

std::unique_ptr<HidBus> createNativeHidBus();

// What to tell a user whose mouse is there but may not be opened: how to get the access.
std::string nativePermissionHint();

}  // namespace pelorin
