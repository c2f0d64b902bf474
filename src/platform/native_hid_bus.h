#pragma once
// The HID bus of the machine the program runs on, or nullptr where no backend exists.
#include <memory>

#include "platform/hid_bus.h"

namespace pelorin {

std::unique_ptr<HidBus> createNativeHidBus();

}  // namespace pelorin
