// The rules both front ends call: which codes count as a left click, and how a fitted DPI step
// table leaves the steps it can show alone.
#include "profile/profile_rules.h"

#include <gtest/gtest.h>

namespace pelorin {
namespace {

struct LeftClickCase {
  AssignmentCode code;
  bool leftClick;
};
class LeftClick : public testing::TestWithParam<LeftClickCase> {};

// The code starts 10 01; the third byte does not matter (a profile whose only left click is
// 10 01 05 keeps its left click in the window and in pelorinctl alike).
TEST_P(LeftClick, IsDecidedByTheFirstTwoBytes) {
  ProfileRecord record;
  for (auto& key : record.keys) key.Value = {0x10, 0x02, 0x00};
  record.keys[3].Value = GetParam().code;
  EXPECT_EQ(isLeftClick(GetParam().code), GetParam().leftClick);
  EXPECT_EQ(hasLeftClick(record), GetParam().leftClick);
}

INSTANTIATE_TEST_SUITE_P(Codes, LeftClick,
                         testing::Values(LeftClickCase{{0x10, 0x01, 0x00}, true},
                                         LeftClickCase{{0x10, 0x01, 0x05}, true},
                                         LeftClickCase{{0x10, 0x03, 0x00}, false},
                                         LeftClickCase{{0x11, 0x01, 0x00}, false},
                                         LeftClickCase{{0x70, 0x01, 0x00}, false}));

TEST(FitDpiSteps, OnlyStepsPastTheTableMove) {
  ProfileRecord record;
  record.XYSetting = {0, 46, 47, 48, 58, 500, 1, 2};
  EXPECT_TRUE(fitDpiSteps(record, 48));
  EXPECT_EQ(record.XYSetting, (std::array<DpiStepIndex, 8>{0, 46, 47, 47, 47, 47, 1, 2}));
  EXPECT_FALSE(fitDpiSteps(record, 48));
  EXPECT_FALSE(fitDpiSteps(record, 0)) << "no table: nothing to fit into";
}

}  // namespace
}  // namespace pelorin
