#include "skin/slider_control.h"

#include <gtest/gtest.h>

#include <vector>

#include "control_fixture.h"
#include "skin/slider_stops.h"
#include "skin/vertical_slider_control.h"

namespace pelorin {
namespace {

using testing::Notification;
using Notifications = std::vector<Notification>;

struct StopCase {
  std::vector<int> stops;
  int offset;
  int expected;
};

class StopIndexTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(StopIndexTest, PicksTheStopWhoseHalfwayMarkIsNotYetPassed) {
  const StopCase& c = GetParam();
  EXPECT_EQ(stopIndexAt(c.stops, c.offset), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, StopIndexTest,
                         ::testing::Values(StopCase{{0, 10, 30}, 19, 1},
                                           StopCase{{0, 10, 30}, 21, 2},
                                           StopCase{{0, 10, 30}, 20, 2},  // halfway goes on
                                           StopCase{{0, 10, 30}, 4, 0}, StopCase{{0, 10, 30}, 5, 1},
                                           StopCase{{0, 10, 30}, -50, 0},
                                           StopCase{{0, 10, 30}, 500, 2}, StopCase{{7}, 100, 0},
                                           StopCase{{}, 3, 0}));

TEST(EvenStopsTest, SpreadsFromFirstToLastInclusive) {
  EXPECT_EQ(evenStops(3, 5, 25), (std::vector<int>{5, 15, 25}));
  EXPECT_EQ(evenStops(4, 0, 10), (std::vector<int>{0, 3, 6, 10}));
  EXPECT_EQ(evenStops(1, 6, 90), (std::vector<int>{6}));
  EXPECT_TRUE(evenStops(0, 0, 10).empty());
}

constexpr int kSliderId = 3200;
const Rect kSliderRect{100, 50, 200, 60};  // 10 thick: the thumb reaches 5 each side

class SliderTest : public testing::ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    slider = std::make_unique<CSliderControl>(context, parent(), kSliderId, kSliderRect);
    slider->setStops({5, 50, 95});
  }
  std::unique_ptr<CSliderControl> slider;
};

TEST_F(SliderTest, ThumbIsCentredOnTheCurrentStop) {
  slider->setPosition(1);
  EXPECT_EQ(slider->thumbRect(), (Rect{145, 50, 155, 60}));
  slider->setPosition(9);
  EXPECT_EQ(slider->position(), 2) << "positions are clamped to the stops";
  EXPECT_EQ(slider->thumbRect(), (Rect{190, 50, 200, 60}));
}

TEST_F(SliderTest, DraggingTheThumbReportsEveryReevaluatedStopThenTheRelease) {
  slider->onLButtonDown(0, 104, 55);  // on the thumb at stop 0
  EXPECT_TRUE(slider->dragging());
  slider->onMouseMove(0, 150, 55);
  slider->onMouseMove(0, 160, 55);
  slider->onMouseMove(0, 400, 55);  // beyond the end: clamped to the last stop
  slider->onLButtonUp(0, 400, 55);
  EXPECT_EQ(dialog.received, (Notifications{{kSliderId, 0, notify::kPressed},
                                            {kSliderId, 1, notify::kDragged},
                                            {kSliderId, 1, notify::kDragged},
                                            {kSliderId, 2, notify::kDragged},
                                            {kSliderId, 0, notify::kClicked}}));
  EXPECT_EQ(slider->position(), 2);
  EXPECT_FALSE(slider->dragging());
}

TEST_F(SliderTest, PressOffTheThumbNotifiesButDoesNotDrag) {
  slider->onLButtonDown(0, 180, 55);
  slider->onMouseMove(0, 185, 55);
  slider->onLButtonUp(0, 185, 55);
  EXPECT_EQ(dialog.received,
            (Notifications{{kSliderId, 0, notify::kPressed}, {kSliderId, 0, notify::kClicked}}));
  EXPECT_EQ(slider->position(), 0);
}

TEST_F(SliderTest, ReleaseWithoutItsOwnPressSendsNothing) {
  EXPECT_FALSE(slider->onLButtonUp(0, 150, 55));
  EXPECT_TRUE(dialog.received.empty());
}

TEST_F(SliderTest, StopCountKeepsTheThumbInsideAtBothEnds) {
  slider->setStopCount(5);
  EXPECT_EQ(slider->stops(), (std::vector<int>{5, 27, 50, 72, 95}));
  slider->setPosition(4);
  EXPECT_EQ(slider->thumbRect().right, kSliderRect.right);
}

TEST_F(SliderTest, DrawsTheThumbFrameForItsState) {
  testing::writePng(context.programFolder / "skins" / "thumb.png", {30, 10},
                    {{Rect{0, 0, 10, 10}, 0x0000FF},
                     {Rect{10, 0, 20, 10}, 0x00FF00},
                     {Rect{20, 0, 30, 10}, 0xFF0000}});
  slider->loadThumb("skins\\thumb.png");
  slider->setPosition(1);
  EXPECT_EQ(render(*slider)->pixel(150, 55), 0x0000FFu);
  EXPECT_EQ(render(*slider)->pixel(120, 55), 0u) << "only the thumb is drawn";
  slider->onMouseMove(0, 150, 55);
  EXPECT_EQ(render(*slider)->pixel(150, 55), 0x00FF00u);
  slider->onLButtonDown(0, 150, 55);
  EXPECT_EQ(render(*slider)->pixel(150, 55), 0xFF0000u);
}

class VerticalSliderTest : public testing::ControlTest {
 protected:
  // 8 wide and 100 tall: stops from 4 above the bottom to 4 below the top.
  const Rect bar{300, 100, 308, 200};
};

TEST_F(VerticalSliderTest, TheFirstStopIsAtTheBottom) {
  CVerticalSliderControl slider(context, parent(), 3280, bar);
  slider.setStopCount(3);
  EXPECT_EQ(slider.thumbRect(), (Rect{300, 192, 308, 200}));
  slider.onLButtonDown(0, 304, 196);
  slider.onMouseMove(0, 304, 101);
  EXPECT_EQ(slider.position(), 2);
  EXPECT_EQ(slider.thumbRect(), (Rect{300, 100, 308, 108}));
  EXPECT_EQ(dialog.received.back(), (Notification{3280, 2, notify::kDragged}));
}

TEST_F(VerticalSliderTest, FillsFromTheBottomUpToTheThumb) {
  writeSkin("track.png", {8, 100}, 0x0000FF);
  writeSkin("fill.png", {8, 100}, 0x00FF00);
  CVerticalSliderControl slider(context, parent(), 3280, bar);
  slider.loadBar("skins\\track.png", "skins/fill.png");
  slider.setStopCount(3);
  slider.setPosition(1);  // stop 50 above the bottom row: the thumb spans rows 146..153
  const auto picture = render(slider);
  EXPECT_EQ(picture->pixel(304, 120), 0x0000FFu);
  EXPECT_EQ(picture->pixel(304, 150), 0x00FF00u);
  EXPECT_EQ(picture->pixel(304, 198), 0x00FF00u);
}

}  // namespace
}  // namespace pelorin
