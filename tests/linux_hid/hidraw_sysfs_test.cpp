#include "platform/linux/hidraw_sysfs.h"

#include <gtest/gtest.h>

#include <fstream>

#include "linux_hid/fake_sysfs.h"
#include "linux_hid/known_descriptors.h"
#include "support/temp_dir.h"

namespace pelorin {
namespace {

using testing::FakeHidNode;

struct Expected {
  std::string name;
  std::uint16_t productId;
  std::uint16_t input;
  std::uint16_t feature;
};

class HidrawSysfsTest : public ::testing::Test {
 protected:
  testing::TempDir dir;
  HidrawRoots roots{dir.path() / "sys", "/dev/test"};
  testing::FakeSysfs sysfs{dir.path() / "sys"};
};

TEST_F(HidrawSysfsTest, ListsInterfacesGroupedByDeviceInNodeOrder) {
  // The cable came first and got the even node numbers, yet sorts after the receiver's port.
  const std::string cable = "usb1/1-2/1-2:1.";
  const std::string receiver = "usb1/1-1/1-1:1.";
  sysfs.add({"hidraw0", cable + "0/0003:248A:5B2E.0001", 0x248A, 0x5B2E, testing::kBootMouse});
  sysfs.add(
      {"hidraw1", receiver + "0/0003:248A:5B2F.0002", 0x248A, 0x5B2F, testing::kReportIdMouse});
  sysfs.add({"hidraw2", cable + "1/0003:248A:5B2E.0003", 0x248A, 0x5B2E, testing::kVendorEvent});
  sysfs.add({"hidraw3", receiver + "1/0003:248A:5B2F.0004", 0x248A, 0x5B2F,
             testing::kVendorEventAndCommand});
  sysfs.add({"hidraw10", cable + "3/0003:248A:5B2E.0006", 0x248A, 0x5B2E, testing::kVendorCommand});
  sysfs.add({"hidraw9", cable + "2/0003:248A:5B2E.0005", 0x248A, 0x5B2E,
             testing::kKeyboardConsumerSystem});

  const std::vector<Expected> expected = {{"hidraw1", 0x5B2F, 8, 0}, {"hidraw3", 0x5B2F, 33, 33},
                                          {"hidraw0", 0x5B2E, 5, 0}, {"hidraw2", 0x5B2E, 33, 0},
                                          {"hidraw9", 0x5B2E, 9, 0}, {"hidraw10", 0x5B2E, 0, 33}};
  auto found = enumerateHidrawNodes(roots);
  ASSERT_EQ(found.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(found[i].memberIndex, static_cast<int>(i));
    EXPECT_EQ(found[i].path, "/dev/test/" + expected[i].name);
    EXPECT_EQ(found[i].vendorId, 0x248A);
    EXPECT_EQ(found[i].productId, expected[i].productId);
    EXPECT_EQ(found[i].inputReportLength, expected[i].input);
    EXPECT_EQ(found[i].featureReportLength, expected[i].feature);
  }
}

TEST_F(HidrawSysfsTest, SkipsNodesThatCannotBeDescribedAndNumbersTheRestWithoutGaps) {
  sysfs.add({"hidraw0", "usb1/a/0003:0001:0002.0001", 0x1, 0x2, {0x85, 0x00}});  // report id 0
  sysfs.add({"hidraw1", "usb1/b/0003:0001:0002.0002", 0x1, 0x2, testing::kBootMouse});
  sysfs.add({"hidraw2", "usb1/c/0003:0001:0002.0003", 0x1, 0x2, testing::kBootMouse});
  std::ofstream(sysfs.root() / "devices/usb1/c/0003:0001:0002.0003/uevent") << "HID_ID=0003:zz:1\n";
  sysfs.add({"hidraw3", "usb1/d/0003:0001:0002.0004", 0x1, 0x2, testing::kBootMouse});
  std::filesystem::remove(sysfs.root() / "devices/usb1/d/0003:0001:0002.0004/report_descriptor");
  std::filesystem::create_directories(sysfs.root() / "class/hidraw/hidrawx");
  std::filesystem::create_directories(sysfs.root() / "class/hidraw/hidraw");

  auto found = enumerateHidrawNodes(roots);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].path, "/dev/test/hidraw1");
  EXPECT_EQ(found[0].memberIndex, 0);
}

TEST_F(HidrawSysfsTest, NoHidrawClassMeansNoInterfaces) {
  roots.sysfs = dir.path() / "elsewhere";
  EXPECT_TRUE(enumerateHidrawNodes(roots).empty());
}

TEST_F(HidrawSysfsTest, DescribesOneNodeByNameUntilItIsRemoved) {
  sysfs.add({"hidraw4", "usb1/1-1/0003:248A:5B2E.0001", 0x248A, 0x5B2E, testing::kVendorCommand});
  auto info = describeHidrawNode(roots, "hidraw4");
  ASSERT_TRUE(info.has_value());
  EXPECT_EQ(info->productId, 0x5B2E);
  EXPECT_EQ(info->featureReportLength, 33);
  sysfs.remove("hidraw4");
  EXPECT_FALSE(describeHidrawNode(roots, "hidraw4").has_value());
  // Names that could climb out of the class folder are not node names.
  EXPECT_FALSE(describeHidrawNode(roots, "../hidraw4").has_value());
}

}  // namespace
}  // namespace pelorin
