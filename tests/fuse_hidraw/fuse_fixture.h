#pragma once
// The whole stage: simulated mice on a simulated bus, shown as hidraw nodes in a FUSE mount with
// their sysfs tree beside it, ready for the unchanged hidraw backend.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "fuse_hidraw/hidraw_fuse_server.h"
#include "fuse_hidraw/hidraw_mirror.h"
#include "linux_hid/fake_sysfs.h"
#include "platform/linux/hidraw_roots.h"
#include "platform/sim/sim_hid_bus.h"
#include "support/temp_dir.h"

namespace pelorin::testing {

class FuseHidrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!server.mounted()) GTEST_FAIL() << "cannot mount FUSE on " << roots.dev;
  }

  int plug(SimProduct product) {
    int id = sim.plug(product, std::make_shared<SimMouse>());
    EXPECT_TRUE(mirror.sync());
    return id;
  }
  void unplug(int plugId) {
    sim.unplug(plugId);
    EXPECT_TRUE(mirror.sync());
  }

  // The interface of a product whose lengths pass the test, as the backend lists it.
  std::optional<HidInterfaceInfo> find(HidBus& bus, SimProduct product,
                                       const std::function<bool(const HidInterfaceInfo&)>& test) {
    for (const auto& info : bus.enumerate()) {
      if (info.productId == static_cast<std::uint16_t>(product) && test(info)) return info;
    }
    return std::nullopt;
  }

  static bool waitUntil(const std::function<bool()>& condition) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!condition()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
  }

  static bool isEvent(const HidInterfaceInfo& info) { return info.inputReportLength == 33; }
  static bool isCommand(const HidInterfaceInfo& info) {
    return info.inputReportLength != 33 && info.featureReportLength == 33;
  }

  TempDir dir;
  // The mount point sits directly in the temporary folder: fusermount3's auto-unmount helper
  // changes to its parent at the end, which must still exist then.
  TempDir mountPoint;
  HidrawRoots roots{makeFolder(dir.path() / "sys"), mountPoint.path()};
  FakeSysfs sysfs{roots.sysfs};
  SimHidBus sim;  // outlives the server, whose open handles hold its devices
  HidrawFuseServer server{roots.dev};
  HidrawMirror mirror{sim, sysfs, server};

 private:
  static std::filesystem::path makeFolder(const std::filesystem::path& path) {
    std::filesystem::create_directories(path);
    return path;
  }
};

}  // namespace pelorin::testing
