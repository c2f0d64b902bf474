#pragma once
// One run of pelorinctl against the mouse: the HID bus (simulated or the machine's), the device
// link, and a small host standing in for the main window.
#include <map>
#include <memory>

#include "device/device_link.h"
#include "pelorinctl/commands.h"
#include "platform/clock.h"
#include "platform/hid_bus.h"
#include "platform/sim/sim_hid_bus.h"
#include "platform/ui_dispatcher.h"

namespace pelorin::ctl {

// The command line counts as a shown window: timers are recorded, quitting ends the run.
class CtlHost final : public DeviceHost {
 public:
  void startTimer(TimerId id, unsigned periodMs) override { timers[id] = periodMs; }
  void killTimer(TimerId id) override { timers.erase(id); }
  void hideMainWindow() override {}
  void closePopups() override {}
  void quit() override { quitRequested = true; }
  void refreshPages() override {}
  void showMainWindow() override {}
  void minimiseMainWindow() override {}
  void showProgress(int) override {}
  void showNotice(int, int) override {}
  void showOnScreenDisplay() override {}
  void updateBattery(std::uint8_t, int) override {}
  void sensorChanged(std::uint16_t) override {}
  void markCurrentProfileModified() override {}
  void currentProfileReset() override {}

  std::map<TimerId, unsigned> timers;
  bool quitRequested = false;
};

class Session {
 public:
  explicit Session(const Options& options);
  ~Session();

  // False when this platform has no HID backend and no simulation was asked for.
  bool hasBus() const { return bus_ != nullptr; }
  HidBus& bus() { return *bus_; }
  DeviceLink& link() { return *link_; }
  TaskQueue& queue() { return queue_; }
  CtlHost& host() { return host_; }
  Clock& clock() { return clock_; }
  // The simulated bus and the plug ids of its cable and receiver, when simulating.
  SimHidBus* sim() { return sim_; }
  int simCablePlug() const { return simCable_; }
  int simReceiverPlug() const { return simReceiver_; }

  // Registers for device changes and scans; false (with a message) when no bus exists.
  bool connect();

 private:
  std::unique_ptr<HidBus> bus_;
  SimHidBus* sim_ = nullptr;
  int simCable_ = 0;
  int simReceiver_ = 0;
  SteadyClock clock_;
  TaskQueue queue_;
  CtlHost host_;
  std::unique_ptr<DeviceLink> link_;
};

}  // namespace pelorin::ctl
