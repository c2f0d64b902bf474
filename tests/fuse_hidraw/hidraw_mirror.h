#pragma once
// Shows the interfaces of a HID bus (the simulated one) as hidraw nodes: a sysfs entry with a
// report descriptor that gives the same report lengths, and a node served over FUSE that forwards
// to the interface. sync() follows plugs and unplugs; an interface seen again after an unplug gets
// a new node number, as a re-plugged device does.
#include <map>
#include <string>

#include "fuse_hidraw/hidraw_fuse_server.h"
#include "linux_hid/fake_sysfs.h"
#include "platform/hid_bus.h"

namespace pelorin::testing {

class HidrawMirror {
 public:
  HidrawMirror(HidBus& source, const FakeSysfs& sysfs, HidrawFuseServer& server);

  // False when a node could not be created or removed through the mount.
  bool sync();
  // Nodes created from now on refuse to open, as without the udev rule.
  void setDenyOpen(bool deny) { denyOpen_ = deny; }
  // The node name that serves a source path; empty when not served.
  std::string nodeFor(const std::string& sourcePath) const;

 private:
  bool add(const HidInterfaceInfo& info);

  HidBus& source_;
  const FakeSysfs& sysfs_;
  HidrawFuseServer& server_;
  std::map<std::string, std::string> nodes_;  // source path -> node name
  int nextNumber_ = 0;
  bool denyOpen_ = false;
};

}  // namespace pelorin::testing
