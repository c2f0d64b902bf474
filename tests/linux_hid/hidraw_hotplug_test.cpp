#include "platform/linux/hidraw_hotplug.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <condition_variable>
#include <fstream>
#include <mutex>
#include <vector>

#include "platform/linux/hidraw_bus.h"
#include "support/temp_dir.h"

namespace pelorin {
namespace {

using namespace std::chrono_literals;

// Collects the notices a watcher thread hands over.
class Notices {
 public:
  HidBus::ChangeListener listener() {
    return [this](HidChange change) {
      std::lock_guard lock(mutex_);
      seen_.push_back(change);
      changed_.notify_all();
    };
  }
  // Waits until count notices came, then a little longer for any that should not have come.
  std::vector<HidChange> waitFor(std::size_t count) {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, 5s, [&] { return seen_.size() >= count; });
    changed_.wait_for(lock, 200ms, [&] { return seen_.size() > count; });
    return seen_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<HidChange> seen_;
};

class HidrawHotplugTest : public ::testing::Test {
 protected:
  void touch(const std::string& name) { std::ofstream(dir.path() / name).put('x'); }

  testing::TempDir dir;
  Notices notices;
};

TEST_F(HidrawHotplugTest, ANewNodeIsAnArrivalAndItsDeletionARemoval) {
  HidrawHotplug hotplug(createInotifySource(dir.path()), notices.listener());
  touch("hidraw3");
  ASSERT_EQ(notices.waitFor(1), std::vector{HidChange::Arrival});
  std::filesystem::remove(dir.path() / "hidraw3");
  EXPECT_EQ(notices.waitFor(2), (std::vector{HidChange::Arrival, HidChange::Removal}));
}

TEST_F(HidrawHotplugTest, TheNodesOfOneProductMakeOneArrival) {
  HidrawHotplug hotplug(createInotifySource(dir.path()), notices.listener());
  touch("hidraw0");
  touch("hidraw1");
  touch("hidraw2");
  EXPECT_EQ(notices.waitFor(1), std::vector{HidChange::Arrival});
}

TEST_F(HidrawHotplugTest, AReplugInOneBurstIsARemovalThenAnArrival) {
  touch("hidraw0");
  HidrawHotplug hotplug(createInotifySource(dir.path()), notices.listener());
  std::filesystem::remove(dir.path() / "hidraw0");
  touch("hidraw1");
  EXPECT_EQ(notices.waitFor(2), (std::vector{HidChange::Removal, HidChange::Arrival}));
}

TEST_F(HidrawHotplugTest, NewPermissionsOnANodeAreAnArrival) {
  touch("hidraw5");
  HidrawHotplug hotplug(createInotifySource(dir.path()), notices.listener());
  std::filesystem::permissions(dir.path() / "hidraw5", std::filesystem::perms::owner_all);
  EXPECT_EQ(notices.waitFor(1), std::vector{HidChange::Arrival});
}

TEST_F(HidrawHotplugTest, OtherNodesOfTheFolderAreIgnored) {
  HidrawHotplug hotplug(createInotifySource(dir.path()), notices.listener());
  touch("ttyUSB0");
  std::filesystem::create_directory(dir.path() / "input");
  EXPECT_TRUE(notices.waitFor(0).empty());
}

TEST_F(HidrawHotplugTest, TheBusStopsReportingWhenTheListenerIsCleared) {
  HidrawBus bus({dir.path(), dir.path()});
  bus.setChangeListener(notices.listener());
  touch("hidraw0");
  ASSERT_EQ(notices.waitFor(1), std::vector{HidChange::Arrival});
  bus.setChangeListener(nullptr);
  touch("hidraw1");
  EXPECT_EQ(notices.waitFor(1), std::vector{HidChange::Arrival});
}

}  // namespace
}  // namespace pelorin
