#include "skin/v_scroll_bar.h"

#include <gtest/gtest.h>

#include <vector>

#include "control_fixture.h"

namespace pelorin {
namespace {

using testing::Notification;
using Notifications = std::vector<Notification>;

constexpr int kBarId = 2021;
// Without arrow pictures the arrows are 18 x 18, leaving a track of rows 118..221 (104 rows).
const Rect kBar{100, 100, 118, 240};

class ScrollBarTest : public testing::ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    bar = std::make_unique<CVScrollBar>(context, parent(), kBarId, kBar);
  }
  std::unique_ptr<CVScrollBar> bar;
};

struct ThumbCase {
  int position, page, range;
  int top, bottom;  // of the thumb rectangle, bottom exclusive
};

class ScrollThumbTest : public ScrollBarTest, public ::testing::WithParamInterface<ThumbCase> {};

TEST_P(ScrollThumbTest, ThumbShowsThePageWithinTheRange) {
  const ThumbCase& c = GetParam();
  bar->setModel(c.position, c.page, c.range);
  EXPECT_EQ(bar->thumbRect(), (Rect{100, c.top, 118, c.bottom}));
}

INSTANTIATE_TEST_SUITE_P(Models, ScrollThumbTest,
                         ::testing::Values(ThumbCase{0, 10, 10, 118, 222},   // whole track
                                           ThumbCase{10, 10, 20, 170, 222},  // lower half
                                           ThumbCase{0, 10, 20, 118, 170},   // upper half
                                           ThumbCase{0, 30, 10, 118, 222},   // page > range
                                           ThumbCase{3, 1, 4, 196, 222}));   // clipped at the end

TEST_F(ScrollBarTest, AnEmptyRangeLeavesTheThumbWhereItWas) {
  bar->setModel(10, 10, 20);
  bar->setModel(0, 5, 0);
  EXPECT_EQ(bar->thumbRect(), (Rect{100, 170, 118, 222}));
}

struct PressCase {
  int y;
  int request;
};

class ScrollPressTest : public ScrollBarTest, public ::testing::WithParamInterface<PressCase> {};

TEST_P(ScrollPressTest, PressNamesThePartUnderThePointer) {
  bar->setModel(5, 5, 20);  // thumb on rows 144..169
  bar->onLButtonDown(0, 105, GetParam().y);
  bar->onLButtonUp(0, 105, GetParam().y);
  EXPECT_EQ(dialog.received, (Notifications{{kBarId, GetParam().request, notify::kPressed},
                                            {kBarId, 0, notify::kClicked}}));
}

INSTANTIATE_TEST_SUITE_P(Parts, ScrollPressTest,
                         ::testing::Values(PressCase{100, notify::kScrollLineUp},
                                           PressCase{239, notify::kScrollLineDown},
                                           PressCase{143, notify::kScrollPageUp},
                                           PressCase{144, notify::kScrollThumb},
                                           PressCase{169, notify::kScrollThumb},
                                           PressCase{170, notify::kScrollPageDown}));

TEST_F(ScrollBarTest, DraggingTheThumbReportsOnlyChangedPositions) {
  bar->setModel(0, 10, 20);  // thumb rows 118..169
  bar->onLButtonDown(0, 105, 120);
  bar->onMouseMove(0, 105, 122);  // thumb at 120: position 40/104 -> 0, unchanged
  bar->onMouseMove(0, 105, 130);  // 128: 200/104 -> 1
  bar->onMouseMove(0, 300, 131);  // 129: 220/104 -> 2, even off the bar
  bar->onMouseMove(0, 105, 900);  // clamped at the end of the track
  EXPECT_EQ(bar->thumbRect(), (Rect{100, 170, 118, 222}));
  EXPECT_EQ(bar->position(), 10);
  bar->onLButtonUp(0, 105, 900);
  EXPECT_EQ(dialog.received, (Notifications{{kBarId, 0, notify::kPressed},
                                            {kBarId, 0, notify::kDragged},
                                            {kBarId, 0, notify::kDragged},
                                            {kBarId, 0, notify::kDragged},
                                            {kBarId, 0, notify::kClicked}}));
  bar->onMouseMove(0, 105, 130);
  EXPECT_EQ(bar->position(), 10) << "the drag ends with the release";
}

TEST_F(ScrollBarTest, ThumbLightsUpUnderThePointer) {
  bar->setModel(0, 10, 20);
  auto picture = render(*bar);
  EXPECT_EQ(picture->pixel(105, 200), 0x101010u);
  EXPECT_EQ(picture->pixel(100, 140), 0x1F1F1Fu);
  EXPECT_EQ(picture->pixel(105, 140), 0x323232u);
  bar->onMouseMove(0, 105, 140);
  picture = render(*bar);
  EXPECT_EQ(picture->pixel(100, 140), 0xDEA035u);
  EXPECT_EQ(picture->pixel(105, 140), 0x1F1F1Fu);
}

TEST_F(ScrollBarTest, ArrowsTakeTheirFrameProportionsAndStateFromTheStrip) {
  // Frames of 18 x 9: normal red, over green, down blue.
  const auto strip = testing::pngBytes({54, 9}, {{Rect{0, 0, 18, 9}, 0x0000FF},
                                                 {Rect{18, 0, 36, 9}, 0x00FF00},
                                                 {Rect{36, 0, 54, 9}, 0xFF0000}});
  resources.add(CVScrollBar::kUpArrowResource, strip);
  resources.add(CVScrollBar::kDownArrowResource, strip);
  CVScrollBar arrows(context, parent(), kBarId, kBar);
  EXPECT_EQ(arrows.upArrowRect(), (Rect{100, 100, 118, 109}));
  EXPECT_EQ(arrows.downArrowRect(), (Rect{100, 231, 118, 240}));
  EXPECT_EQ(arrows.thumbRect(), (Rect{100, 109, 118, 231}));
  EXPECT_EQ(render(arrows)->pixel(108, 104), 0x0000FFu);
  arrows.onMouseMove(0, 108, 104);
  EXPECT_EQ(render(arrows)->pixel(108, 104), 0x00FF00u);
  arrows.onLButtonDown(0, 108, 235);
  const auto picture = render(arrows);
  EXPECT_EQ(picture->pixel(108, 235), 0xFF0000u);
  EXPECT_EQ(picture->pixel(108, 104), 0x0000FFu) << "the pointer left the up arrow";
}

}  // namespace
}  // namespace pelorin
