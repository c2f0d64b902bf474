#include "fuse_hidraw/hidraw_mirror.h"

#include <cstdio>
#include <set>

#include "linux_hid/known_descriptors.h"

namespace pelorin::testing {
namespace {

// A hand-written descriptor whose lengths are the interface's role.
const Descriptor& descriptorFor(const HidInterfaceInfo& info) {
  bool event = info.inputReportLength == 33;
  bool command = info.featureReportLength == 33;
  if (event && command) return kVendorEventAndCommand;
  if (event) return kVendorEvent;
  if (command) return kVendorCommand;
  return kBootMouse;
}

}  // namespace

HidrawMirror::HidrawMirror(HidBus& source, const FakeSysfs& sysfs, HidrawFuseServer& server)
    : source_(source), sysfs_(sysfs), server_(server) {}

bool HidrawMirror::sync() {
  auto present = source_.enumerate();
  std::set<std::string> paths;
  for (const auto& info : present) paths.insert(info.path);
  bool ok = true;
  for (auto it = nodes_.begin(); it != nodes_.end();) {
    if (paths.count(it->first) != 0) {
      ++it;
      continue;
    }
    ok = server_.removeNode(it->second) && ok;
    sysfs_.remove(it->second);
    it = nodes_.erase(it);
  }
  for (const auto& info : present) {
    if (nodes_.count(info.path) == 0) ok = add(info) && ok;
  }
  return ok;
}

bool HidrawMirror::add(const HidInterfaceInfo& info) {
  int number = nextNumber_++;
  std::string name = "hidraw" + std::to_string(number);
  // One USB port per interface, numbered in order of arrival, so discovery keeps the bus's order.
  char device[64];
  std::snprintf(device, sizeof device, "usb1/1-%04d/0003:%04X:%04X.%04X", number,
                unsigned{info.vendorId}, unsigned{info.productId}, unsigned(number + 1));
  sysfs_.add({name, device, info.vendorId, info.productId, descriptorFor(info)});
  nodes_[info.path] = name;
  std::string path = info.path;
  return server_.addNode(
      name, [this, path] { return source_.open(path, nullptr); }, denyOpen_);
}

std::string HidrawMirror::nodeFor(const std::string& sourcePath) const {
  auto it = nodes_.find(sourcePath);
  return it == nodes_.end() ? std::string() : it->second;
}

}  // namespace pelorin::testing
