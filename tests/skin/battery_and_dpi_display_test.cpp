#include <cairo.h>
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "skin/battery.h"
#include "skin/dpi_value_show_control.h"

namespace pelorin {
namespace {

using Notifications = std::vector<testing::Notification>;

constexpr Colour kEmpty = 0x0000FF;
constexpr Colour kFull = 0x00FF00;
constexpr Colour kCharging = 0xFFFF00;
constexpr Colour kBolt = 0xFFFFFF;

class BatteryTest : public testing::ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    writeSkin("battery_empty.png", {30, 61}, kEmpty);
    writeSkin("battery_full.png", {30, 61}, kFull);
    writeSkin("battery_charging.png", {30, 61}, kCharging);
    // The bolt covers only a small square in the middle; the rest is clear, as the real one
    // leaves the fill seen.
    cairo_surface_t* bolt = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 30, 61);
    cairo_t* cr = cairo_create(bolt);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_rectangle(cr, 13, 28, 4, 4);
    cairo_fill(cr);
    cairo_destroy(cr);
    cairo_surface_write_to_png(bolt,
                               (context.programFolder / "skins" / "battery_lighting.png").c_str());
    cairo_surface_destroy(bolt);
  }
};

struct FillCase {
  float scale;
  int height;  // the control's height at that scale, from y 0
  int percent;
  int firstFilledRow;  // worked out by hand from the fill rule
};

class BatteryFillTest : public BatteryTest, public ::testing::WithParamInterface<FillCase> {};

TEST_P(BatteryFillTest, FillRisesFromTheBottomByThePercentage) {
  const FillCase& c = GetParam();
  context.scale = c.scale;
  CBattery battery(context, parent(), Rect{0, 0, 30, c.height});
  battery.setCharge(0, c.percent);
  EXPECT_EQ(battery.fillStartRow(c.percent), c.firstFilledRow);
  const auto picture = render(battery);
  EXPECT_EQ(picture->pixel(15, c.firstFilledRow - 1), kEmpty);
  EXPECT_EQ(picture->pixel(15, c.firstFilledRow), kFull);
  EXPECT_EQ(picture->pixel(15, c.height - 1), kFull);
}

// Rows: 7 + 50 - max(1, percent / 2), times the scale and truncated; at scales above 1 one row
// higher when the strip below would be odd.
INSTANTIATE_TEST_SUITE_P(Levels, BatteryFillTest,
                         ::testing::Values(FillCase{1.0f, 61, 100, 7}, FillCase{1.0f, 61, 50, 32},
                                           FillCase{1.0f, 61, 1, 56}, FillCase{1.0f, 61, 0, 56},
                                           FillCase{1.5f, 91, 100, 9}, FillCase{1.5f, 91, 50, 47},
                                           FillCase{1.5f, 91, 0, 83}, FillCase{2.0f, 122, 50, 64}));

TEST_F(BatteryTest, ChargingClimbsUnderTheBoltAndFullShowsTheBolt) {
  CBattery battery(context, parent(), Rect{0, 0, 30, 61});
  battery.setCharge(1, 10);
  for (const int step : {50, 75, 100, 25}) {
    battery.advanceAnimation();
    EXPECT_EQ(battery.animationStep(), step);
  }
  battery.advanceAnimation();  // 50: rows from 32 on
  auto picture = render(battery);
  EXPECT_EQ(picture->pixel(5, 31), 0u) << "no empty battery behind the charging fill";
  EXPECT_EQ(picture->pixel(15, 40), kCharging);
  EXPECT_EQ(picture->pixel(15, 30), kBolt);
  battery.setCharge(2, 100);
  picture = render(battery);
  EXPECT_EQ(picture->pixel(15, 2), kFull);
  EXPECT_EQ(picture->pixel(15, 30), kBolt);
  battery.setCharge(3, 100);
  EXPECT_EQ(render(battery)->pixel(15, 40), 0u) << "an unknown state draws nothing";
}

TEST_F(BatteryTest, APressReportsAClick) {
  CBattery battery(context, parent(), Rect{80, 133, 110, 194});
  battery.onLButtonDown(0, 90, 150);
  battery.onLButtonDown(0, 10, 10);
  EXPECT_EQ(dialog.received, (Notifications{{CBattery::kId, 0, notify::kPressed}}));
}

TEST_F(BatteryTest, DpiBarStandsAsHighAsItsStepAndAClickAsksForTheDialog) {
  writeSkin("bar_track.png", {7, 132}, kEmpty);
  writeSkin("bar_fill.png", {7, 132}, kFull);
  CDPIValueShowControl bar(context, parent(), 3300, Rect{100, 100, 107, 232});
  bar.loadBar("skins\\bar_track.png", "skins\\bar_fill.png");
  bar.setStepCount(4);
  bar.setStepIndex(1);  // two of four steps: the lower half
  EXPECT_EQ(bar.fillTop(), 166);
  auto picture = render(bar);
  EXPECT_EQ(picture->pixel(103, 165), kEmpty);
  EXPECT_EQ(picture->pixel(103, 166), kFull);
  bar.setStepIndex(9);
  EXPECT_EQ(bar.stepIndex(), 3) << "clamped to the table";
  EXPECT_EQ(bar.fillTop(), 100);
  bar.setStepCount(2);
  EXPECT_EQ(bar.stepIndex(), 1);
  bar.onLButtonDown(0, 103, 150);
  bar.onLButtonUp(0, 103, 300);  // let go outside
  bar.onLButtonDown(0, 103, 150);
  bar.onLButtonUp(0, 103, 151);
  EXPECT_EQ(dialog.received, (Notifications{{3300, 0, notify::kPressed},
                                            {3300, 0, notify::kPressed},
                                            {3300, 0, notify::kClicked}}));
}

}  // namespace
}  // namespace pelorin
