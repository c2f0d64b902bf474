#include "platform/win32/win32_hid_bus.h"

#include <gtest/gtest.h>

#include <windows.h>
// After windows.h: dbt.h uses its types.
#include <dbt.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <future>
#include <vector>

namespace pelorin {
namespace {

// Wine reports HID interfaces of its own (a keyboard and a mouse), as a machine reports its
// devices: listed in member order, each opens for transfers with the ids and report lengths that
// enumeration read from its attributes and capabilities.
TEST(Win32HidBus, EnumeratedInterfacesOpenWithTheirIdsAndReportLengths) {
  Win32HidBus bus;
  const auto found = bus.enumerate();
  ASSERT_FALSE(found.empty());
  int previous = -1;
  for (const auto& info : found) {
    EXPECT_GT(info.memberIndex, previous);
    previous = info.memberIndex;
    EXPECT_GT(info.inputReportLength + info.featureReportLength, 0) << info.path;
    HidOpenError error = HidOpenError::Other;
    const auto device = bus.open(info.path, &error);
    ASSERT_NE(device, nullptr) << info.path;
    EXPECT_EQ(error, HidOpenError::None);
    const auto opened = device->info();
    EXPECT_EQ(opened.path, info.path);
    EXPECT_EQ(opened.vendorId, info.vendorId);
    EXPECT_EQ(opened.productId, info.productId);
    EXPECT_EQ(opened.inputReportLength, info.inputReportLength);
    EXPECT_EQ(opened.featureReportLength, info.featureReportLength);
  }
}

// On a real interface nothing sends input while the test runs: the reader blocks until cancel
// ends it. A feature report the interface does not have fails with the system's reason.
TEST(Win32HidBus, CancelEndsABlockedInputReadAndRefusedFeaturesSayWhy) {
  Win32HidBus bus;
  const auto found = bus.enumerate();
  const auto noFeatures = std::find_if(found.begin(), found.end(), [](const auto& info) {
    return info.inputReportLength > 0 && info.featureReportLength == 0;
  });
  ASSERT_NE(noFeatures, found.end());
  const auto device = bus.open(noFeatures->path, nullptr);
  ASSERT_NE(device, nullptr);

  std::array<std::uint8_t, 33> report{0x0C, 0x01};
  const auto sent = device->setFeature(report);
  EXPECT_FALSE(sent.ok());
  EXPECT_NE(sent.error, "failed");

  auto pending = std::async(std::launch::async, [&] { return device->readInput(report); });
  ASSERT_EQ(pending.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
  device->cancel();
  ASSERT_EQ(pending.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  EXPECT_FALSE(pending.get().ok());
}

TEST(Win32HidBus, OpeningAPathThatIsNotThereSaysNotFound) {
  Win32HidBus bus;
  HidOpenError error = HidOpenError::None;
  EXPECT_EQ(
      bus.open(R"(\\?\hid#vid_248a&pid_5b2e#0&0&0#{4d1e55b2-f16f-11cf-88cb-001111000030})", &error),
      nullptr);
  EXPECT_EQ(error, HidOpenError::NotFound);
}

HWND watcherWindow() {
  return ::FindWindowExW(HWND_MESSAGE, nullptr, HidChangeWatcher::kWindowClass, nullptr);
}

// Device notifications reach the message-only window; the listener hears arrivals and removals
// of interfaces and nothing else, until the listener is taken away with the window.
TEST(Win32HidBus, DeviceNotificationsOfInterfacesReachTheListener) {
  Win32HidBus bus;
  std::vector<HidChange> heard;
  std::atomic<DWORD> thread = 0;
  bus.setChangeListener([&](HidChange change) {
    heard.push_back(change);
    thread = ::GetCurrentThreadId();
  });
  HWND window = watcherWindow();
  ASSERT_NE(window, nullptr);

  DEV_BROADCAST_DEVICEINTERFACE_W anInterface{};
  anInterface.dbcc_size = sizeof anInterface;
  anInterface.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  DEV_BROADCAST_HDR aVolume{};
  aVolume.dbch_size = sizeof aVolume;
  aVolume.dbch_devicetype = DBT_DEVTYP_VOLUME;
  const auto send = [&](WPARAM event, void* header) {
    ::SendMessageW(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(header));
  };
  send(DBT_DEVICEARRIVAL, &anInterface);
  send(DBT_DEVICEARRIVAL, &aVolume);
  send(DBT_DEVNODES_CHANGED, nullptr);
  send(DBT_DEVICEQUERYREMOVE, &anInterface);
  send(DBT_DEVICEREMOVECOMPLETE, &anInterface);
  EXPECT_EQ(heard, (std::vector<HidChange>{HidChange::Arrival, HidChange::Removal}));
  EXPECT_NE(thread.load(), ::GetCurrentThreadId());

  bus.setChangeListener({});
  EXPECT_EQ(watcherWindow(), nullptr);
}

}  // namespace
}  // namespace pelorin
