#pragma once
// The HID bus a program runs against: the machine's, or the simulated mouse on its cable and
// receiver. pelorinctl and the window program choose and trace it the same way.
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "device/device_link.h"
#include "platform/hid_bus.h"
#include "platform/sim/sim_hid_bus.h"
#include "runner/sim_schedule.h"

namespace pelorin {

class DeviceBus {
 public:
  // simulate: the simulated mouse with both products plugged in.
  explicit DeviceBus(bool simulate);
  ~DeviceBus();
  DeviceBus(const DeviceBus&) = delete;
  DeviceBus& operator=(const DeviceBus&) = delete;

  // False when this platform has no HID backend and no simulation was asked for.
  bool hasBus() const { return bus_ != nullptr; }
  HidBus& bus() { return *bus_; }
  SimHidBus* sim() { return sim_; }
  SimMouse* simMouse() { return simMouse_.get(); }
  // Plugging a product that is plugged, or unplugging one that is not, does nothing.
  void simPlug(SimProduct product);
  void simUnplug(SimProduct product);
  // The plug id of a simulated product; 0 when it is not plugged.
  int simPlugId(SimProduct product) const;
  // Does one step of a --sim-events script to the simulated mouse.
  void runStep(const SimStep& step, DeviceLink& link);

  // Says on standard error that no mouse answered, and why when its nodes exist but may not be
  // opened; program names the program in the message.
  void reportNoMouse(std::string_view program);

 private:
  std::unique_ptr<HidBus> bus_;
  SimHidBus* sim_ = nullptr;
  std::shared_ptr<SimMouse> simMouse_;
  std::map<SimProduct, int> simPlugs_;
};

// Every report on standard output: '>' sent, '<' answer, '!' event, the product and 33 bytes.
void printTrace(char kind, Product via, std::span<const std::uint8_t> bytes);
// A report that did not go through, on standard error so that it stands out from the trace.
void printFailure(Product via, std::span<const std::uint8_t> bytes, const std::string& why);

}  // namespace pelorin
