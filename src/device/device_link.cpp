#include "device/device_link.h"

namespace pelorin {

DeviceLink::DeviceLink(HidBus& bus, Clock& clock, UiDispatcher& ui)
    : bus_(bus), clock_(clock), ui_(ui) {}

// The readers are stopped before the handles close: the cable handle first, then the receiver's.
DeviceLink::~DeviceLink() {
  alive_->store(false);
  bus_.setChangeListener(nullptr);
  stopReaders();
  cable_.handle.reset();
  receiver_.handle.reset();
}

ProductConnection& DeviceLink::connection(Product product) {
  return product == Product::Cable ? cable_ : receiver_;
}

const ProductConnection& DeviceLink::connection(Product product) const {
  return product == Product::Cable ? cable_ : receiver_;
}

void DeviceLink::registerDeviceNotifications() {
  for (Product p : {Product::Cable, Product::Receiver}) {
    auto& c = connection(p);
    c.handle.reset();
  }
  // Arrivals and removals may be reported on any thread; they are handled on the UI thread.
  bus_.setChangeListener([this, alive = alive_](HidChange change) {
    ui_.post([this, alive, change] {
      if (alive->load()) onDeviceChange(change);
    });
  });
}

void DeviceLink::traceReport(char kind, Product via, std::span<const std::uint8_t> bytes) {
  std::lock_guard lock(traceMutex_);
  if (trace_) trace_(kind, via, bytes);
}

}  // namespace pelorin
