#include <gtest/gtest.h>

#include <vector>

#include "control_fixture.h"
#include "skin/static_image.h"
#include "skin/static_text.h"
#include "skin/tab_control.h"

namespace pelorin {
namespace {

using testing::Notification;
using Notifications = std::vector<Notification>;

// Pixels of the top-left 200 x 40 where one channel clearly dominates (glyph edges are blended);
// only columns from `fromX` on are counted.
int pixelsMostly(const Image& picture, std::uint8_t (*channel)(Colour), int fromX = 0) {
  int count = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = fromX; x < 200; ++x) {
      const Colour c = picture.pixel(x, y);
      const int others = redOf(c) + greenOf(c) + blueOf(c) - channel(c);
      count += channel(c) > 128 && others < 64 ? 1 : 0;
    }
  }
  return count;
}

struct TabCase {
  int id;
  int mainTab;
  int secondTab;
};

class TabClickTest : public testing::ControlTest, public ::testing::WithParamInterface<TabCase> {
 protected:
  TabSelection tabs{-1, -1};
};

TEST_P(TabClickTest, ClickStoresTheTabsValueBeforeNotifying) {
  const TabCase& c = GetParam();
  CTabControl tab(context, parent(), c.id, Rect{10, 10, 60, 30}, tabs);
  tab.onLButtonDown(0, 20, 20);
  EXPECT_EQ(tabs.mainTab, -1) << "a press alone chooses nothing";
  tab.onLButtonUp(0, 20, 20);
  EXPECT_EQ(tabs.mainTab, c.mainTab);
  EXPECT_EQ(tabs.secondTab, c.secondTab);
  EXPECT_EQ(tab.selected(), c.mainTab != -1 || c.secondTab != -1);
  EXPECT_EQ(dialog.received, (Notifications{{static_cast<unsigned>(c.id), 0, notify::kClicked}}));
}

INSTANTIATE_TEST_SUITE_P(Ids, TabClickTest,
                         ::testing::Values(TabCase{2049, 0, -1}, TabCase{2053, 4, -1},
                                           TabCase{3001, -1, 0}, TabCase{3004, -1, 3},
                                           TabCase{3007, -1, 7}, TabCase{3009, -1, 9},
                                           TabCase{3005, -1, -1}, TabCase{2054, -1, -1}));

class TabTest : public testing::ControlTest {
 protected:
  TabSelection tabs;
};

TEST_F(TabTest, ReleaseOutsideChoosesNothing) {
  CTabControl tab(context, parent(), 2051, Rect{10, 10, 60, 30}, tabs);
  tab.onLButtonDown(0, 20, 20);
  tab.onLButtonUp(0, 100, 20);
  EXPECT_EQ(tabs.mainTab, 0);
  EXPECT_TRUE(dialog.received.empty());
}

TEST_F(TabTest, DrawnSelectedWhileTheSharedVariableHoldsItsValue) {
  writeSkin("tab_nr.png", {10, 10}, 0x0000FF);
  writeSkin("tab_ov.png", {10, 10}, 0x00FF00);
  writeSkin("tab_dn.png", {10, 10}, 0xFF0000);
  writeSkin("tab_ov2.png", {10, 10}, 0xFFFF00);
  CTabControl first(context, parent(), 2049, Rect{10, 10, 60, 30}, tabs);
  CTabControl second(context, parent(), 2050, Rect{70, 10, 120, 30}, tabs);
  for (CTabControl* tab : {&first, &second}) {
    tab->loadImages("skins\\tab_nr.png", "skins\\tab_ov.png", "skins\\tab_dn.png",
                    "skins\\tab_ov2.png");
  }
  EXPECT_EQ(render(first)->pixel(30, 20), 0xFF0000u);
  EXPECT_EQ(render(second)->pixel(90, 20), 0x0000FFu);
  second.onMouseMove(0, 90, 20);
  EXPECT_EQ(render(second)->pixel(90, 20), 0x00FF00u);
  second.onLButtonDown(0, 90, 20);
  second.onLButtonUp(0, 90, 20);
  EXPECT_EQ(render(second)->pixel(90, 20), 0xFFFF00u) << "selected with the pointer on it";
  second.onMouseMove(0, 200, 20);
  EXPECT_EQ(render(second)->pixel(90, 20), 0xFF0000u);
  EXPECT_EQ(render(first)->pixel(30, 20), 0x0000FFu);
}

TEST_F(TabTest, RightClickOnATabIsReported) {
  CTabControl tab(context, parent(), 3002, Rect{10, 10, 60, 30}, tabs);
  tab.onRButtonUp(0, 20, 20);
  EXPECT_EQ(dialog.received, (Notifications{{3002, 0, notify::kRightClick}}));
  EXPECT_EQ(tabs.secondTab, 0) << "a right click does not switch tabs";
}

TEST_F(TabTest, LabelsAndPicturesLetAPressDragTheWindow) {
  writeSkin("Slider_bar.png", {4, 3}, 0x35A0DE);
  auto* label = dialog.addControl(
      0, std::make_unique<CStaticText>(context, parent(), 2012, Rect{100, 100, 200, 120}, u"Title",
                                       0xFFFFFF, text::kLeft));
  dialog.addControl(
      0, std::make_unique<CStaticImage>(context, parent(), 2020, Rect{100, 200, 200, 210},
                                        "skins\\Slider_bar.png"));
  EXPECT_EQ(label->text(), u"Title");
  for (const Point at : {Point{150, 110}, Point{150, 205}}) {
    const Rect before = simWindow(dialog).frame();
    moveTo(dialog, at.x, at.y);
    host.pressLeft();
    host.moveMouse(screenOf(dialog, at.x, at.y).x + 30, screenOf(dialog, at.x, at.y).y + 20);
    host.releaseLeft();
    EXPECT_EQ(simWindow(dialog).frame(), before.offset(30, 20)) << at.y;
  }
  EXPECT_TRUE(dialog.received.empty());
}

TEST_F(TabTest, StaticTextDrawsItsCaptionInItsColour) {
  CStaticText label(context, parent(), 2025, Rect{0, 0, 200, 40}, u"\u2588\u2588\u2588\u2588",
                    0x00FF00, text::kCenter);
  const int green = pixelsMostly(*render(label), greenOf);
  EXPECT_GT(green, 0);
  EXPECT_EQ(pixelsMostly(*render(label), greenOf, 40), green) << "centred, not from the left edge";
  label.setColour(0x0000FF);
  EXPECT_EQ(pixelsMostly(*render(label), greenOf), 0);
  EXPECT_GT(pixelsMostly(*render(label), redOf), 0);
}

TEST_F(TabTest, StaticImageStretchesItsPictureOrStaysBlank) {
  writeSkin("Slider_bar.png", {4, 3}, 0x35A0DE);
  CStaticImage bar(context, parent(), 3190, Rect{42, 72, 187, 75}, "skins\\Slider_bar.png");
  EXPECT_EQ(render(bar)->pixel(120, 73), 0x35A0DEu);
  EXPECT_EQ(render(bar)->pixel(120, 76), 0u);
  CStaticImage missing(context, parent(), 3191, Rect{42, 72, 187, 75}, "skins\\none.png");
  EXPECT_FALSE(missing.hasImage());
  EXPECT_EQ(render(missing)->pixel(120, 73), 0u);
}

}  // namespace
}  // namespace pelorin
