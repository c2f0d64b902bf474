// Discovery: which interfaces of the machine are the mouse's, and the reaction to devices coming
// and going.
#include "device/device_link.h"

namespace pelorin {
namespace {

constexpr std::uint16_t kEventLength = 33;
constexpr std::uint16_t kCommandLength = 33;

}  // namespace

// The input length is tested first: an interface with both lengths 33 is the event interface.
void DeviceLink::probeProduct(ProductConnection& c, const HidInterfaceInfo& info) {
  if (info.inputReportLength == kEventLength) {
    std::lock_guard lock(c.readerMutex);
    if (c.eventPath.empty()) {
      c.eventIndex = info.memberIndex;
      c.eventPath = info.path;
    }
  } else if (info.featureReportLength == kCommandLength) {
    if (c.commandPath.empty()) {
      c.present = true;
      c.commandIndex = info.memberIndex;
      c.commandPath = info.path;
    } else if (c.commandPath == info.path) {
      c.present = true;
    }
  }
}

void DeviceLink::probe(const HidInterfaceInfo& listed) {
  auto device = bus_.open(listed.path);
  if (!device) return;
  HidInterfaceInfo info = device->info();
  info.memberIndex = listed.memberIndex;
  info.path = listed.path;
  if (const auto product = productOf(info.vendorId, info.productId)) {
    probeProduct(connection(*product), info);
  }
}

void DeviceLink::scanDevices() {
  anyPresent_ = false;
  cable_.present = false;
  receiver_.present = false;
  for (const auto& info : bus_.enumerate()) {
    if (info.memberIndex >= 0 && info.memberIndex < kMaxMemberIndex) probe(info);
  }
  anyPresent_ = cable_.present || receiver_.present;
  updateProduct(Product::Cable);
  updateProduct(Product::Receiver);
  for (Product p : {Product::Receiver, Product::Cable}) {
    auto& c = connection(p);
    if (c.present != c.lastPresent) {
      c.lastPresent = c.present;
      c.changed = true;
    }
  }
  if (handlers_.scanned) handlers_.scanned();
}

void DeviceLink::updateProduct(Product product) {
  auto& c = connection(product);
  if (c.present) {
    startReader(product);
    if (!c.handle) openCommandHandle(product);
  } else {
    c.handle.reset();
    c.commandPath.clear();
  }
}

std::unique_ptr<HidDevice> DeviceLink::openAtIndex(int memberIndex, std::uint16_t product) {
  for (const auto& info : bus_.enumerate()) {
    if (info.memberIndex != memberIndex) continue;
    auto device = bus_.open(info.path);
    if (!device) return nullptr;
    const auto opened = device->info();
    if (opened.vendorId != kVendorId || opened.productId != product) return nullptr;
    return device;
  }
  return nullptr;
}

// The report lengths are not tested again: the index was just found to be the command interface.
void DeviceLink::openCommandHandle(Product product) {
  auto& c = connection(product);
  c.handle.reset();
  c.handle = openAtIndex(c.commandIndex, productId(product));
}

// An arrival while both products are present, or a removal while neither is, changes nothing.
void DeviceLink::onDeviceChange(HidChange change) {
  const bool both = cable_.present && receiver_.present;
  const bool none = !cable_.present && !receiver_.present;
  if (change == HidChange::Arrival ? both : none) return;
  scanDevices();
  if (handlers_.changed) handlers_.changed(change);
}

}  // namespace pelorin
