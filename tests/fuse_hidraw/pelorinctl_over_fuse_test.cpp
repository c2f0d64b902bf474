// pelorinctl, unchanged, finding the simulated mouse through the hidraw backend and the FUSE nodes.
#ifdef PELORINCTL_PATH
#include <gmock/gmock.h>

#include <set>
#include <thread>

#include "fuse_hidraw/fuse_fixture.h"
#include "fuse_hidraw/run_program.h"
#include "platform/linux/hidraw_permission.h"

namespace pelorin::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

using namespace std::chrono_literals;

class PelorinctlOverFuseTest : public FuseHidrawTest {
 protected:
  Environment environment() const {
    return {{"PELORIN_SYSFS_ROOT", roots.sysfs.string()},
            {"PELORIN_DEV_DIR", roots.dev.string()},
            {"HOME", dir.path().string()}};
  }
  ProgramResult run(std::vector<std::string> args) {
    return runProgram(PELORINCTL_PATH, args, environment(), 20s);
  }
  std::string dataDir() const { return (dir.path() / "data").string(); }
};

TEST_F(PelorinctlOverFuseTest, DevicesListsTheRolesOfBothProducts) {
  plug(SimProduct::Cable);
  plug(SimProduct::Receiver);
  auto result = run({"devices"});
  EXPECT_EQ(result.exitCode, 0) << result.output;
  for (const char* line :
       {"cable    event", "cable    command", "receiver event", "receiver command"}) {
    EXPECT_THAT(result.output, HasSubstr(line));
  }
  EXPECT_THAT(result.output, HasSubstr(roots.dev.string() + "/hidraw"));
}

TEST_F(PelorinctlOverFuseTest, StatusIsReadFromTheMouse) {
  int receiver = plug(SimProduct::Receiver);
  SimStatus status;
  status.batteryPercent = 42;
  status.chargeState = 1;
  sim.mouse(receiver)->setStatus(status);
  auto result = run({"--trace", "status"});
  EXPECT_EQ(result.exitCode, 0) << result.output;
  EXPECT_THAT(result.output, HasSubstr("identification: T7K4"));
  EXPECT_THAT(result.output, HasSubstr("battery:        42%"));
  EXPECT_THAT(result.output, HasSubstr("charging"));
  // The request went out on the receiver and the answer came back on it.
  EXPECT_THAT(result.output, HasSubstr("> receiver 0C 01 20"));
  EXPECT_THAT(result.output, HasSubstr("< receiver 0C"));
}

TEST_F(PelorinctlOverFuseTest, StatusWithoutAMouseFails) {
  auto result = run({"status"});
  EXPECT_NE(result.exitCode, 0) << result.output;
  EXPECT_THAT(result.output, Not(HasSubstr("identification")));
}

TEST_F(PelorinctlOverFuseTest, ANodeWithoutPermissionNamesTheRule) {
  mirror.setDenyOpen(true);
  plug(SimProduct::Cable);
  auto result = run({"devices"});
  EXPECT_THAT(result.output, HasSubstr("permission denied"));
  EXPECT_THAT(result.output, HasSubstr(kUdevRuleSource));
}

TEST_F(PelorinctlOverFuseTest, StatusOfARefusedMouseSaysWhyInsteadOfNoMouse) {
  mirror.setDenyOpen(true);
  plug(SimProduct::Receiver);
  auto result = run({"status"});
  EXPECT_NE(result.exitCode, 0);
  EXPECT_THAT(result.output, HasSubstr("permission to open it is denied"));
  EXPECT_THAT(result.output, HasSubstr(kUdevRuleSource));
  EXPECT_THAT(result.output, Not(HasSubstr("no mouse found")));
}

TEST_F(PelorinctlOverFuseTest, ApplySendsTheProfileOverTheCable) {
  int receiver = plug(SimProduct::Receiver);
  int cable = plug(SimProduct::Cable);
  auto result = run({"--data-dir", dataDir(), "apply"});
  EXPECT_EQ(result.exitCode, 0) << result.output;
  EXPECT_TRUE(sim.mouse(receiver)->received().empty());
  auto received = sim.mouse(cable)->received();
  ASSERT_FALSE(received.empty()) << result.output;
  std::set<int> commands;
  for (const auto& report : received) {
    EXPECT_EQ(report.via, "cable");
    EXPECT_EQ(report.bytes[0], 0x0C);
    commands.insert(report.bytes[2]);
  }
  EXPECT_TRUE(commands.count(0x05)) << "no DPI levels sent";
  EXPECT_TRUE(commands.count(0x07)) << "no polling rate sent";
}

// Hot-plug while watch runs: the cable arrives, its DPI button is pressed, then both products go.
TEST_F(PelorinctlOverFuseTest, WatchFollowsArrivalEventsAndRemovals) {
  int receiver = plug(SimProduct::Receiver);
  RunningProgram watch(PELORINCTL_PATH, {"--data-dir", dataDir(), "watch", "--for", "20000"},
                       environment());
  ASSERT_TRUE(waitUntil([&] { return sim.waitingReaders(receiver) > 0; })) << "no reader started";
  int cable = plug(SimProduct::Cable);
  ASSERT_TRUE(waitUntil([&] { return sim.waitingReaders(cable) > 0; })) << "arrival not seen";
  sim.pressDpiButton(cable);
  // The event has to travel the node and the reader thread before the unplug takes the node.
  std::this_thread::sleep_for(300ms);
  unplug(cable);
  std::this_thread::sleep_for(300ms);
  unplug(receiver);
  auto result = watch.finish(20s);
  EXPECT_EQ(result.exitCode, 0) << result.output;
  for (const char* line : {"receiver connected", "cable connected", "event: level",
                           "cable disconnected", "the last device of the mouse was removed"}) {
    EXPECT_THAT(result.output, HasSubstr(line));
  }
}

}  // namespace
}  // namespace pelorin::testing
#endif
