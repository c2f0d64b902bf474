// pelorinctl, unchanged, finding the simulated mouse through the hidraw backend and the FUSE nodes.
#ifdef PELORINCTL_PATH
#include <gmock/gmock.h>

#include "fuse_hidraw/fuse_fixture.h"
#include "fuse_hidraw/run_program.h"
#include "platform/linux/hidraw_permission.h"

namespace pelorin::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class PelorinctlOverFuseTest : public FuseHidrawTest {
 protected:
  ProgramResult run(std::vector<std::string> args) {
    return runProgram(PELORINCTL_PATH, args,
                      {{"PELORIN_SYSFS_ROOT", roots.sysfs.string()},
                       {"PELORIN_DEV_DIR", roots.dev.string()},
                       {"HOME", dir.path().string()}},
                      std::chrono::seconds(20));
  }
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

}  // namespace
}  // namespace pelorin::testing
#endif
