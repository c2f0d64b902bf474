#pragma once
// A device link wired to the simulated bus, a virtual clock and a queue that the test drains as
// the UI thread would.
#include <map>
#include <memory>
#include <vector>

#include "device/device_host.h"
#include "device/device_link.h"
#include "platform/sim/sim_hid_bus.h"
#include "platform/sim/virtual_clock.h"

namespace pelorin::test {

class RecordingHost final : public DeviceHost {
 public:
  void startTimer(TimerId id, unsigned periodMs) override { timers[id] = periodMs; }
  void killTimer(TimerId id) override { timers.erase(id); }
  void hideMainWindow() override { ++hides; }
  void closePopups() override { ++popupCloses; }
  void quit() override { ++quits; }
  void refreshPages() override { ++refreshes; }
  void showMainWindow() override { ++shows; }
  void minimiseMainWindow() override { ++minimises; }
  void showProgress() override { ++progress; }
  void showNotice(DeviceNotice notice) override { notices.push_back(notice); }
  void showOnScreenDisplay() override { ++osds; }
  void updateBattery(std::uint8_t percent, int chargeState) override {
    battery.emplace_back(percent, chargeState);
  }
  void sensorChanged(std::uint16_t model) override { sensorChanges.push_back(model); }
  void markCurrentProfileModified() override { ++modifiedMarks; }
  void currentProfileReset() override { ++profileResets; }

  std::map<TimerId, unsigned> timers;
  int shows = 0;
  int minimises = 0;
  int progress = 0;
  std::vector<DeviceNotice> notices;
  int osds = 0;
  std::vector<std::pair<int, int>> battery;
  std::vector<std::uint16_t> sensorChanges;
  int modifiedMarks = 0;
  int profileResets = 0;
  int hides = 0;
  int popupCloses = 0;
  int quits = 0;
  int refreshes = 0;
};

struct DeviceFixture {
  SimHidBus bus;
  VirtualClock clock;
  TaskQueue ui;
  RecordingHost host;
  std::shared_ptr<SimMouse> mouse = std::make_shared<SimMouse>();
  std::unique_ptr<DeviceLink> link = std::make_unique<DeviceLink>(bus, clock, ui);

  // Reports the mouse received, without the status requests.
  std::vector<SimReceived> settingReports() const {
    std::vector<SimReceived> out;
    for (const auto& r : mouse->received()) {
      if (r.bytes[2] != 0x20) out.push_back(r);
    }
    return out;
  }
};

}  // namespace pelorin::test
