// The reader threads: one per product, blocked on its event interface. They only read; every event
// report goes to the UI thread, which applies it between two sends, never during one.
#include <algorithm>
#include <vector>

#include "device/device_link.h"
#include "platform/thread_priority.h"

namespace pelorin {

bool DeviceLink::readerRunning(Product product) const {
  return connection(product).readerBusy.load();
}

// A second start while a reader runs does nothing: the busy flag is taken here, before the thread
// exists, so two quick scans cannot start two readers of one product.
void DeviceLink::startReader(Product product) {
  auto& c = connection(product);
  bool expected = false;
  if (!c.readerBusy.compare_exchange_strong(expected, true)) return;
  if (c.reader.joinable()) c.reader.join();  // the previous reader has finished its loop
  c.reader = std::thread([this, product] { readerLoop(product); });
}

void DeviceLink::readerLoop(Product product) {
  raiseCurrentThreadPriority();
  auto& c = connection(product);
  int eventIndex = -1;
  {
    std::lock_guard lock(c.readerMutex);
    eventIndex = c.eventIndex;
  }
  std::shared_ptr<HidDevice> device = openAtIndex(eventIndex, productId(product));
  {
    std::lock_guard lock(c.readerMutex);
    if (c.shuttingDown) device.reset();
    c.readerDevice = device;
  }
  if (device) {
    std::vector<std::uint8_t> buffer(device->info().inputReportLength);
    c.readerRun = true;
    while (c.readerRun.load() && !buffer.empty()) {
      // Cleared before every read, so nothing of an earlier report survives a short one.
      std::fill(buffer.begin(), buffer.end(), 0);
      const HidResult read = device->readInput(buffer);
      if (!read) break;
      handOver(product, std::span(buffer).first(std::min(read.bytes, buffer.size())));
    }
  }
  std::lock_guard lock(c.readerMutex);
  c.readerDevice.reset();
  c.eventPath.clear();
  c.readerBusy = false;
}

// Only a whole event report counts: one that ends before the level byte says nothing usable.
void DeviceLink::handOver(Product product, std::span<const std::uint8_t> read) {
  if (read.size() <= kEventLevelByte || !isSettingsChangedEvent(read)) return;
  Report report{};
  std::copy_n(read.begin(), std::min(read.size(), report.size()), report.begin());
  traceReport('!', product, report);
  ui_.post([this, alive = alive_, report] {
    if (alive->load() && handlers_.event) handlers_.event(report);
  });
}

void DeviceLink::stopReaders() {
  for (Product p : {Product::Cable, Product::Receiver}) {
    auto& c = connection(p);
    c.readerRun = false;
    {
      std::lock_guard lock(c.readerMutex);
      c.shuttingDown = true;
      if (c.readerDevice) c.readerDevice->cancel();
    }
    if (c.reader.joinable()) c.reader.join();
  }
}

}  // namespace pelorin
