#pragma once
// One run of pelorinctl against the mouse: the HID bus (simulated or the machine's), the device
// link, and a small host standing in for the main window.
#include <functional>
#include <map>
#include <memory>

#include "app/app_data.h"
#include "device/device_host.h"
#include "device/device_link.h"
#include "pelorinctl/commands.h"
#include "platform/clock.h"
#include "platform/hid_bus.h"
#include "platform/ui_dispatcher.h"
#include "runner/device_bus.h"

namespace pelorin::ctl {

// The command line counts as a shown window. Timers are kept with their due times for the run
// loop; what the window would show is passed to optional callbacks.
class CtlHost final : public DeviceHost {
 public:
  explicit CtlHost(Clock& clock) : clock_(clock) {}

  void startTimer(TimerId id, unsigned periodMs) override;
  void killTimer(TimerId id) override { timers.erase(id); }
  void hideMainWindow() override {}
  void closePopups() override {}
  void quit() override { quitRequested = true; }
  void refreshPages() override {}
  void showMainWindow() override {}
  void minimiseMainWindow() override {}
  void showProgress() override {}
  void showNotice(DeviceNotice notice) override;
  void showOnScreenDisplay() override;
  void updateBattery(std::uint8_t, int) override {}
  void sensorChanged(std::uint16_t sensorModel) override;
  void markCurrentProfileModified() override { profileModified = true; }
  void currentProfileReset() override;

  struct Timer {
    unsigned periodMs;
    std::uint64_t dueMs;
  };
  std::map<TimerId, Timer> timers;
  bool quitRequested = false;
  bool profileModified = false;
  AppData* data = nullptr;  // where sensor changes and resets are saved, when loaded
  std::function<void()> onEvent;
  std::function<void(DeviceNotice)> onNotice;

 private:
  Clock& clock_;
};

class Session {
 public:
  explicit Session(const Options& options);
  ~Session();

  // False when this platform has no HID backend and no simulation was asked for.
  bool hasBus() const { return bus_.hasBus(); }
  HidBus& bus() { return bus_.bus(); }
  DeviceBus& deviceBus() { return bus_; }
  DeviceLink& link() { return *link_; }
  TaskQueue& queue() { return queue_; }
  CtlHost& host() { return host_; }
  Clock& clock() { return clock_; }
  // The simulated bus and its mouse, when simulating. Plugging a product that is plugged, or
  // unplugging one that is not, does nothing.
  SimHidBus* sim() { return bus_.sim(); }
  SimMouse* simMouse() { return bus_.simMouse(); }

  // Registers for device changes and scans; false (with a message) when no bus exists.
  bool connect();
  // Says that no mouse answered, and why when its nodes exist but may not be opened.
  void reportNoMouse();
  // Feature reports sent so far.
  int reportsSent() const { return reportsSent_; }

 private:
  DeviceBus bus_;
  SteadyClock clock_;
  TaskQueue queue_;
  CtlHost host_{clock_};
  std::unique_ptr<DeviceLink> link_;
  int reportsSent_ = 0;
};

}  // namespace pelorin::ctl
