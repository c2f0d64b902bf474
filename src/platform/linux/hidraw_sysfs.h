#pragma once
// The hidraw nodes as sysfs describes them: class/hidraw/<name>/device is the HID device, whose
// uevent carries the vendor and product ids and whose report_descriptor gives the report lengths.
#include <optional>
#include <string>
#include <vector>

#include "platform/hid_bus.h"
#include "platform/linux/hidraw_roots.h"

namespace pelorin {

// One node by name ("hidraw3"); memberIndex is left 0. nullopt when sysfs has no readable entry
// for it or its descriptor does not parse.
std::optional<HidInterfaceInfo> describeHidrawNode(const HidrawRoots& roots,
                                                   const std::string& name);

// Every node, grouped by the HID device they belong to and then in node order, numbered from 0.
std::vector<HidInterfaceInfo> enumerateHidrawNodes(const HidrawRoots& roots);

}  // namespace pelorin
