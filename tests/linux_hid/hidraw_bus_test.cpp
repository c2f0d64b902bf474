#include "platform/linux/hidraw_bus.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fcntl.h>
#include <unistd.h>
#include <array>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <future>

#include "linux_hid/fake_sysfs.h"
#include "linux_hid/known_descriptors.h"
#include "platform/linux/hidraw_device.h"
#include "support/temp_dir.h"

namespace pelorin {
namespace {

using namespace std::chrono_literals;
using Report = std::array<std::uint8_t, 33>;

// Nodes are stood in for by FIFOs (reads block until the test writes) and regular files.
class HidrawBusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(roots.dev);
    sysfs.add({"hidraw0", "usb1/1-1/0003:248A:5B2E.0001", 0x248A, 0x5B2E, testing::kVendorEvent});
  }

  std::string node(const std::string& name) const { return (roots.dev / name).string(); }

  std::unique_ptr<HidDevice> openFifo() {
    EXPECT_EQ(::mkfifo(node("hidraw0").c_str(), 0600), 0);
    HidOpenError error = HidOpenError::Other;
    auto device = bus.open(node("hidraw0"), &error);
    EXPECT_EQ(error, HidOpenError::None);
    return device;
  }

  testing::TempDir dir;
  HidrawRoots roots{dir.path() / "sys", dir.path() / "dev"};
  testing::FakeSysfs sysfs{roots.sysfs};
  HidrawBus bus{roots};
};

TEST_F(HidrawBusTest, OpenedDeviceDescribesItselfAsEnumerated) {
  std::ofstream(node("hidraw0")).put('\0');
  auto device = bus.open(node("hidraw0"), nullptr);
  ASSERT_NE(device, nullptr);
  auto listed = bus.enumerate();
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(device->info().path, listed[0].path);
  EXPECT_EQ(device->info().productId, 0x5B2E);
  EXPECT_EQ(device->info().inputReportLength, 33);
}

TEST_F(HidrawBusTest, OpenFailuresSayWhy) {
  struct Case {
    std::string path;
    HidOpenError expected;
  };
  std::filesystem::create_directories(node("hidraw0"));  // exists, but cannot be opened for I/O
  sysfs.add({"hidraw1", "usb1/1-2/0003:248A:5B2E.0002", 0x248A, 0x5B2E, testing::kBootMouse});
  const Case cases[] = {
      {node("hidraw0"), HidOpenError::Other},
      {node("hidraw1"), HidOpenError::NotFound},                    // described, but no node
      {node("hidraw7"), HidOpenError::NotFound},                    // no sysfs entry
      {(dir.path() / "hidraw0").string(), HidOpenError::NotFound},  // not in the device folder
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    HidOpenError error = HidOpenError::None;
    EXPECT_EQ(bus.open(c.path, &error), nullptr);
    EXPECT_EQ(error, c.expected);
  }
}

TEST(HidOpenErrorTest, PermissionErrorsAreToldApart) {
  EXPECT_EQ(openErrorFromErrno(EACCES), HidOpenError::PermissionDenied);
  EXPECT_EQ(openErrorFromErrno(EPERM), HidOpenError::PermissionDenied);
  EXPECT_EQ(openErrorFromErrno(ENOENT), HidOpenError::NotFound);
  EXPECT_EQ(openErrorFromErrno(ENODEV), HidOpenError::NotFound);
  EXPECT_EQ(openErrorFromErrno(EBUSY), HidOpenError::Other);
}

TEST_F(HidrawBusTest, ReadsTheReportWrittenToTheNode) {
  auto device = openFifo();
  ASSERT_NE(device, nullptr);
  Report sent{0x05, 0x06, 0x00, 0x04, 0x02};
  sent[32] = 0xEE;
  auto reader = std::async(std::launch::async, [&] {
    Report got{};
    const bool ok = device->readInput(got).ok();
    return std::make_pair(ok, got);
  });
  int writer = ::open(node("hidraw0").c_str(), O_WRONLY);
  ASSERT_GE(writer, 0);
  ASSERT_EQ(::write(writer, sent.data(), sent.size()), static_cast<ssize_t>(sent.size()));
  ::close(writer);
  ASSERT_EQ(reader.wait_for(5s), std::future_status::ready);
  auto [ok, got] = reader.get();
  EXPECT_TRUE(ok);
  EXPECT_EQ(got, sent);
}

TEST_F(HidrawBusTest, CancelEndsABlockedReadAndEveryLaterOne) {
  auto device = openFifo();
  ASSERT_NE(device, nullptr);
  auto reader = std::async(std::launch::async, [&] {
    Report got{};
    return device->readInput(got).ok();
  });
  EXPECT_EQ(reader.wait_for(100ms), std::future_status::timeout) << "read did not block";
  device->cancel();
  ASSERT_EQ(reader.wait_for(5s), std::future_status::ready) << "cancel did not unblock the read";
  EXPECT_FALSE(reader.get());
  Report again{};
  EXPECT_FALSE(device->readInput(again));
}

TEST_F(HidrawBusTest, ANodeAtItsEndReadsAsGone) {
  std::ofstream(node("hidraw0"), std::ios::binary).write("\x05\x06", 2);
  auto device = bus.open(node("hidraw0"), nullptr);
  ASSERT_NE(device, nullptr);
  Report got{};
  EXPECT_TRUE(device->readInput(got));
  EXPECT_EQ(got[1], 0x06);
  EXPECT_FALSE(device->readInput(got));
}

TEST_F(HidrawBusTest, FeatureRequestsThatTheNodeRefusesFail) {
  auto device = openFifo();
  ASSERT_NE(device, nullptr);
  Report report{0x0C, 0x01, 0x20};
  EXPECT_FALSE(device->setFeature(report));
  EXPECT_FALSE(device->getFeature(report));
}

}  // namespace
}  // namespace pelorin
