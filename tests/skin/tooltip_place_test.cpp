// Where a tooltip box goes: below the pointer, above it when there is no room below, and moved
// sideways to stay inside the bounds.
#include <gtest/gtest.h>

#include "skin/tooltip.h"

namespace pelorin {
namespace {

struct PlaceCase {
  const char* label;
  Point pointer;
  Rect expected;
};

class TooltipPlace : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(TooltipPlace, StaysInsideTheBounds) {
  const PlaceCase& c = GetParam();
  const Rect bounds{0, 0, 400, 300};
  EXPECT_EQ(placeTooltip(c.pointer, Size{100, 24}, bounds, 20), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pointers, TooltipPlace,
    ::testing::Values(PlaceCase{"Middle", {150, 100}, {150, 120, 250, 144}},
                      PlaceCase{"NearTheRight", {350, 100}, {300, 120, 400, 144}},
                      PlaceCase{"NearTheBottom", {150, 270}, {150, 226, 250, 250}},
                      PlaceCase{"BottomRightCorner", {399, 299}, {300, 255, 400, 279}},
                      PlaceCase{"AboveTheTop", {10, -30}, {10, 0, 110, 24}}),
    [](const auto& testCase) { return std::string(testCase.param.label); });

}  // namespace
}  // namespace pelorin
