// The unchanged hidraw backend against nodes served over FUSE by the simulated mouse.
#include <array>
#include <condition_variable>
#include <future>
#include <mutex>

#include "fuse_hidraw/fuse_fixture.h"
#include "platform/linux/hidraw_bus.h"

namespace pelorin::testing {
namespace {

using namespace std::chrono_literals;
using Report = std::array<std::uint8_t, 33>;

class HidrawOverFuseTest : public FuseHidrawTest {
 protected:
  std::unique_ptr<HidDevice> openRole(SimProduct product, bool (*role)(const HidInterfaceInfo&)) {
    auto info = find(bus, product, role);
    if (!info) return nullptr;
    return bus.open(info->path, nullptr);
  }

  std::future<bool> startReader(HidDevice& device, Report& into) {
    return std::async(std::launch::async, [&device, &into] { return device.readInput(into).ok(); });
  }

  HidrawBus bus{roots};
};

TEST_F(HidrawOverFuseTest, ListsEachProductsEventAndCommandInterface) {
  plug(SimProduct::Cable);
  plug(SimProduct::Receiver);
  auto listed = bus.enumerate();
  ASSERT_EQ(listed.size(), sim.enumerate().size());
  for (auto product : {SimProduct::Cable, SimProduct::Receiver}) {
    EXPECT_TRUE(find(bus, product, isEvent)) << static_cast<int>(product);
    EXPECT_TRUE(find(bus, product, isCommand)) << static_cast<int>(product);
  }
  for (std::size_t i = 0; i < listed.size(); ++i) {
    EXPECT_EQ(listed[i].memberIndex, static_cast<int>(i));
    EXPECT_EQ(listed[i].vendorId, kSimVendorId);
    EXPECT_EQ(listed[i].path, (roots.dev / mirror.nodeFor(sim.enumerate()[i].path)).string());
  }
}

TEST_F(HidrawOverFuseTest, StatusExchangeGoesThroughTheFeatureIoctls) {
  int cable = plug(SimProduct::Cable);
  SimStatus status;
  status.batteryPercent = 57;
  sim.mouse(cable)->setStatus(status);
  auto device = openRole(SimProduct::Cable, isCommand);
  ASSERT_NE(device, nullptr);

  Report request{0x0C, 0x01, 0x20, 0x00, 0x01};
  ASSERT_TRUE(device->setFeature(request));
  Report answer;
  answer.fill(0xFF);
  answer[0] = 0x0C;
  ASSERT_TRUE(device->getFeature(answer));

  auto received = sim.mouse(cable)->received();
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].bytes, request);
  EXPECT_EQ(answer[2], 0x20);
  EXPECT_EQ(std::string(answer.begin() + 8, answer.begin() + 12), "T7K4");
  EXPECT_EQ(answer[18], 57);
}

TEST_F(HidrawOverFuseTest, AFailingDeviceFailsTheIoctl) {
  int cable = plug(SimProduct::Cable);
  SimFaults faults;
  faults.failSet = true;
  faults.failGet = true;
  sim.mouse(cable)->setFaults(faults);
  auto device = openRole(SimProduct::Cable, isCommand);
  ASSERT_NE(device, nullptr);
  Report report{0x0C, 0x01, 0x20};
  EXPECT_FALSE(device->setFeature(report));
  EXPECT_FALSE(device->getFeature(report));
}

TEST_F(HidrawOverFuseTest, AnEventReachesTheBlockedReader) {
  int receiver = plug(SimProduct::Receiver);
  auto device = openRole(SimProduct::Receiver, isEvent);
  ASSERT_NE(device, nullptr);
  Report got{};
  auto reader = startReader(*device, got);
  ASSERT_TRUE(waitUntil([&] { return sim.waitingReaders(receiver) > 0; }));
  sim.pressDpiButton(receiver);
  ASSERT_EQ(reader.wait_for(5s), std::future_status::ready);
  EXPECT_TRUE(reader.get());
  EXPECT_EQ(got[0], 0x05);
  EXPECT_EQ(got[1], 0x06);
}

TEST_F(HidrawOverFuseTest, CancelEndsAReadBlockedOnTheNode) {
  plug(SimProduct::Cable);
  auto device = openRole(SimProduct::Cable, isEvent);
  ASSERT_NE(device, nullptr);
  Report got{};
  auto reader = startReader(*device, got);
  EXPECT_EQ(reader.wait_for(100ms), std::future_status::timeout);
  device->cancel();
  ASSERT_EQ(reader.wait_for(5s), std::future_status::ready);
  EXPECT_FALSE(reader.get());
}

// Hot-plug as the program sees it: notices from the watched folder, then a rescan.
class Changes {
 public:
  HidBus::ChangeListener listener() {
    return [this](HidChange change) {
      std::lock_guard lock(mutex_);
      seen_.push_back(change);
      arrived_.notify_all();
    };
  }
  bool waitFor(HidChange change) {
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(
        lock, 5s, [&] { return std::find(seen_.begin(), seen_.end(), change) != seen_.end(); });
  }
  void clear() {
    std::lock_guard lock(mutex_);
    seen_.clear();
  }

 private:
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::vector<HidChange> seen_;
};

TEST_F(HidrawOverFuseTest, UnplugEndsTheReadAndTheReplugComesOnNewNodes) {
  Changes changes;
  bus.setChangeListener(changes.listener());
  int cable = plug(SimProduct::Cable);
  ASSERT_TRUE(changes.waitFor(HidChange::Arrival));
  auto before = find(bus, SimProduct::Cable, isEvent);
  ASSERT_TRUE(before);
  auto device = bus.open(before->path, nullptr);
  ASSERT_NE(device, nullptr);
  Report got{};
  auto reader = startReader(*device, got);
  ASSERT_TRUE(waitUntil([&] { return sim.waitingReaders(cable) > 0; }));

  changes.clear();
  unplug(cable);
  ASSERT_EQ(reader.wait_for(5s), std::future_status::ready) << "unplug did not end the read";
  EXPECT_FALSE(reader.get());
  EXPECT_TRUE(changes.waitFor(HidChange::Removal));
  EXPECT_TRUE(bus.enumerate().empty());
  HidOpenError error = HidOpenError::None;
  EXPECT_EQ(bus.open(before->path, &error), nullptr);
  EXPECT_EQ(error, HidOpenError::NotFound);

  changes.clear();
  plug(SimProduct::Cable);
  EXPECT_TRUE(changes.waitFor(HidChange::Arrival));
  auto after = find(bus, SimProduct::Cable, isEvent);
  ASSERT_TRUE(after);
  EXPECT_NE(after->path, before->path);
  EXPECT_NE(bus.open(after->path, nullptr), nullptr);
  bus.setChangeListener(nullptr);
}

TEST_F(HidrawOverFuseTest, ANodeWithoutPermissionSaysSo) {
  mirror.setDenyOpen(true);
  plug(SimProduct::Receiver);
  auto info = find(bus, SimProduct::Receiver, isCommand);
  ASSERT_TRUE(info) << "a node that cannot be opened is still listed";
  HidOpenError error = HidOpenError::None;
  EXPECT_EQ(bus.open(info->path, &error), nullptr);
  EXPECT_EQ(error, HidOpenError::PermissionDenied);
}

}  // namespace
}  // namespace pelorin::testing
