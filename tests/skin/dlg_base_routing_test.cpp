#include <gtest/gtest.h>

#include "platform/text_format.h"
#include "skin/slider_control.h"
#include "skin/static_text.h"
#include "skin_fixture.h"

namespace pelorin {
namespace {

using testing::Notification;
using testing::ProbeControl;
using testing::ProbeDialog;
using Calls = std::vector<std::string>;

constexpr int kButtonId = 2047;

class RoutingTest : public testing::SkinTest {
 protected:
  ProbeDialog dialog{context, Size{400, 300}};
  ProbeControl* button = nullptr;
  ProbeControl* other = nullptr;

  void SetUp() override {
    dialog.init = [this](ProbeDialog& d) {
      button = &d.add(0, kButtonId, {100, 100, 200, 130});
      other = &d.add(1, 2062, {100, 200, 200, 230});
    };
    ASSERT_TRUE(dialog.create(WindowKind::Main, kNoWindow));
    host.runPending();
  }
  Rect frame() { return simWindow(dialog).frame(); }
  // Press at a client point, drag by (dx, dy) and let go.
  void dragFrom(int x, int y, int dx, int dy) {
    moveTo(dialog, x, y);
    host.pressLeft();
    const Point p = screenOf(dialog, x, y);
    host.moveMouse(p.x + dx, p.y + dy);
    host.releaseLeft();
  }
};

TEST_F(RoutingTest, HoverFollowsThePointerFromControlToControl) {
  moveTo(dialog, 150, 110);
  EXPECT_EQ(dialog.hoverControl(), button);
  moveTo(dialog, 160, 115);
  EXPECT_EQ(other->calls, (Calls{"move 150,110"}))
      << "while the pointer stays on the hover control the others hear nothing";
  EXPECT_EQ(button->calls, (Calls{"move 150,110", "move 160,115"}));
  moveTo(dialog, 150, 210);
  EXPECT_EQ(dialog.hoverControl(), other);
  moveTo(dialog, 10, 10);
  EXPECT_EQ(dialog.hoverControl(), nullptr);
}

TEST_F(RoutingTest, ClickInsideSendsPressedThenClicked) {
  moveTo(dialog, 150, 110);
  const Rect before = frame();
  host.pressLeft();
  EXPECT_TRUE(simWindow(dialog).hasCapture());
  host.releaseLeft();
  EXPECT_FALSE(simWindow(dialog).hasCapture());
  EXPECT_EQ(dialog.received, (std::vector<Notification>{{kButtonId, 0, notify::kPressed},
                                                        {kButtonId, 0, notify::kClicked}}));
  EXPECT_EQ(dialog.pressedControl(), button);
  EXPECT_EQ(frame(), before);
}

TEST_F(RoutingTest, ReleaseOutsideEndsThePressWithoutAClick) {
  const Rect before = frame();
  dragFrom(150, 110, 0, 60);  // off the button, onto the background
  EXPECT_EQ(dialog.received, (std::vector<Notification>{{kButtonId, 0, notify::kPressed}}));
  EXPECT_EQ(std::count(button->calls.begin(), button->calls.end(), "up 150,170"), 1)
      << "the pressed control still hears the release";
  EXPECT_EQ(frame(), before) << "a press on a control never moves the window";
  EXPECT_FALSE(simWindow(dialog).hasCapture());
  EXPECT_EQ(dialog.hoverControl(), nullptr);
}

TEST_F(RoutingTest, ThePressedControlHoldsTheMouseUntilTheRelease) {
  moveTo(dialog, 150, 110);
  host.pressLeft();
  moveTo(dialog, 150, 210);  // over the other control
  moveTo(dialog, 390, 290);  // over the background
  moveTo(dialog, 150, 215);
  host.releaseLeft();
  EXPECT_EQ(button->calls, (Calls{"move 150,110", "down 150,110", "move 150,210", "move 390,290",
                                  "move 150,215", "up 150,215", "move 150,215"}));
  EXPECT_EQ(other->calls, (Calls{"move 150,110", "move 150,215"}))
      << "the other control hears nothing from the press until the release";
  EXPECT_EQ(dialog.received, (std::vector<Notification>{{kButtonId, 0, notify::kPressed}}));
  EXPECT_EQ(dialog.hoverControl(), other);
  EXPECT_FALSE(dialog.holdingMouse());
}

TEST_F(RoutingTest, DoubleClickAndItsReleaseStayWithOneControl) {
  const Point p = screenOf(dialog, 150, 110);
  host.doubleClickLeft(p.x, p.y);
  EXPECT_EQ(button->calls, (Calls{"move 150,110", "down 150,110", "up 150,110", "move 150,110",
                                  "dbl 150,110", "up 150,110", "move 150,110"}));
  EXPECT_EQ(other->calls, (Calls{"move 150,110"}));
}

TEST_F(RoutingTest, AControlHiddenSinceTheLastMoveTakesNoPress) {
  moveTo(dialog, 150, 110);
  button->setShown(false);
  const Rect before = frame();
  host.pressLeft();
  host.moveMouse(screenOf(dialog, 150, 110).x + 10, screenOf(dialog, 150, 110).y);
  host.releaseLeft();
  EXPECT_EQ(button->calls, (Calls{"move 150,110"}));
  EXPECT_EQ(frame(), before.offset(10, 0)) << "the press fell on the background";
  EXPECT_TRUE(dialog.received.empty());
}

TEST_F(RoutingTest, AControlHiddenWhileHeldTakesNoRelease) {
  moveTo(dialog, 150, 110);
  host.pressLeft();
  button->setShown(false);
  moveTo(dialog, 150, 120);
  host.releaseLeft();
  EXPECT_EQ(button->calls, (Calls{"move 150,110", "down 150,110", "reset 0"}));
  EXPECT_EQ(dialog.received, (std::vector<Notification>{{kButtonId, 0, notify::kPressed}}));
}

TEST_F(RoutingTest, DraggingTheBackgroundMovesTheWindow) {
  const Rect before = frame();
  dragFrom(20, 20, 35, -12);
  EXPECT_EQ(frame(), before.offset(35, -12));
  EXPECT_TRUE(dialog.received.empty());
  for (const std::string& call : button->calls) EXPECT_EQ(call.rfind("move", 0), 0u) << call;
}

TEST_F(RoutingTest, ASliderLetGoOverALabelStopsDragging) {
  constexpr int kSlider = 2021;
  auto* slider = static_cast<CSliderControl*>(
      dialog.addControl(0, std::make_unique<CSliderControl>(context, dialog.windowId(), kSlider,
                                                            Rect{100, 40, 300, 60})));
  slider->setStopCount(5);
  dialog.addControl(
      0, std::make_unique<CStaticText>(context, dialog.windowId(), 2012, Rect{100, 250, 300, 270},
                                       u"1200", 0xFFFFFF, text::kCenter));
  const Rect thumb = slider->thumbRect();
  moveTo(dialog, thumb.left + 2, thumb.top + 2);
  host.pressLeft();
  moveTo(dialog, 290, 260);  // dragged to the end, then down over the label
  host.releaseLeft();
  EXPECT_FALSE(slider->dragging());
  EXPECT_EQ(slider->position(), 4);
  dialog.received.clear();
  moveTo(dialog, 110, 50);
  moveTo(dialog, 200, 50);
  moveTo(dialog, 290, 50);
  EXPECT_TRUE(dialog.received.empty()) << "no drag notifications after the release";
}

struct InertCase {
  const char* name;
  void (*apply)(CControlBase&);
  bool windowMoves;  // a control that is not there leaves the background to drag
};

class InertControlTest : public RoutingTest, public ::testing::WithParamInterface<InertCase> {};

TEST_P(InertControlTest, TakesNoInput) {
  GetParam().apply(*button);
  const Rect before = frame();
  dragFrom(150, 110, 40, 25);
  moveTo(dialog, 150, 110);
  host.clickRight(screenOf(dialog, 150, 110).x, screenOf(dialog, 150, 110).y);
  EXPECT_TRUE(button->calls.empty());
  EXPECT_TRUE(dialog.received.empty());
  EXPECT_EQ(frame(), GetParam().windowMoves ? before.offset(40, 25) : before);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, InertControlTest,
    ::testing::Values(InertCase{"hidden", [](CControlBase& c) { c.setShown(false); }, true},
                      InertCase{"inactive", [](CControlBase& c) { c.setActive(false); }, true},
                      InertCase{"disabled", [](CControlBase& c) { c.setDisabled(true); }, false}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

TEST_F(RoutingTest, RightClickAndDoubleClickGoToTheTopmostControlUnderThePointer) {
  ProbeControl* cover = nullptr;
  // A control of a later layer lies over part of the button.
  cover = &dialog.add(3, 3021, {150, 100, 250, 130});
  cover->setHoverable(false);
  const Point p = screenOf(dialog, 160, 120);
  host.clickRight(p.x, p.y);
  host.doubleClickLeft(p.x, p.y);
  EXPECT_EQ(std::count(cover->calls.begin(), cover->calls.end(), "rup 160,120"), 1);
  EXPECT_EQ(std::count(cover->calls.begin(), cover->calls.end(), "dbl 160,120"), 1);
  EXPECT_EQ(std::count(button->calls.begin(), button->calls.end(), "rup 160,120"), 0);
  EXPECT_EQ(std::count(button->calls.begin(), button->calls.end(), "dbl 160,120"), 0);
}

struct LeaveCase {
  const char* name;
  bool maximised;
  const char* lastCall;
};

class LeaveTest : public RoutingTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(LeaveTest, TellsTheHoverControlWhereThePointerWas) {
  if (GetParam().maximised) simWindow(dialog).maximise();
  moveTo(dialog, 150, 110);
  moveTo(dialog, 160, 115);
  host.moveMouse(frame().right + 50, frame().top);
  EXPECT_EQ(button->calls.back(), GetParam().lastCall);
  EXPECT_EQ(std::count(button->calls.begin(), button->calls.end(), "move 160,115"),
            GetParam().maximised ? 2 : 1);
  EXPECT_EQ(dialog.hoverControl(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Windows, LeaveTest,
                         ::testing::Values(LeaveCase{"normal", false, "move -1,-1"},
                                           LeaveCase{"maximised", true, "move 160,115"}),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

TEST_F(RoutingTest, PressingElsewhereResetsAStalePressedControl) {
  dragFrom(150, 110, 0, 60);  // the button keeps its pressed record
  moveTo(dialog, 150, 210);
  host.pressLeft();
  host.releaseLeft();
  EXPECT_NE(std::find(button->calls.begin(), button->calls.end(), "reset 0"), button->calls.end());
  EXPECT_EQ(std::count(other->calls.begin(), other->calls.end(), "reset 0"), 0);
}

struct RepaintCase {
  int id;
  bool wholeWindow;
};

class ReleaseRepaintTest : public testing::SkinTest,
                           public ::testing::WithParamInterface<RepaintCase> {};

TEST_P(ReleaseRepaintTest, TabsAndHeadersRepaintEverything) {
  ProbeDialog dialog{context, Size{400, 300}};
  ProbeControl* pressed = nullptr;
  ProbeControl* bystander = nullptr;
  dialog.init = [&](ProbeDialog& d) {
    pressed = &d.add(0, GetParam().id, {10, 10, 60, 40});
    bystander = &d.add(0, 9999, {300, 200, 350, 240});
    bystander->setHoverable(false);
  };
  dialog.create(WindowKind::Main, kNoWindow);
  host.runPending();
  moveTo(dialog, 20, 20);
  host.pressLeft();
  const int drawsBefore = bystander->draws;
  host.releaseLeft();
  EXPECT_EQ(bystander->draws - drawsBefore, GetParam().wholeWindow ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Ids, ReleaseRepaintTest,
                         ::testing::Values(RepaintCase{2040, true}, RepaintCase{2049, true},
                                           RepaintCase{2053, true}, RepaintCase{3001, true},
                                           RepaintCase{3004, true}, RepaintCase{3007, true},
                                           RepaintCase{3009, true}, RepaintCase{2048, false},
                                           RepaintCase{2054, false}, RepaintCase{3005, false},
                                           RepaintCase{3010, false}));

TEST_F(RoutingTest, FindControlSearchesLayersInOrder) {
  ProbeControl& later = dialog.add(6, kButtonId, {0, 0, 1, 1});
  EXPECT_EQ(dialog.findControl(kButtonId), button);
  EXPECT_NE(dialog.findControl(kButtonId), &later);
  EXPECT_EQ(dialog.findControl(12345), nullptr);
  EXPECT_EQ(
      dialog.addControl(7, std::make_unique<ProbeControl>(context, dialog.windowId(), 1, Rect{})),
      nullptr);
}

TEST_F(RoutingTest, SetTextRepaintsOnlyOnChange) {
  host.runPending();
  const int draws = button->draws;
  button->setText(u"Apply");
  host.runPending();
  EXPECT_EQ(button->draws, draws + 1);
  button->setText(u"Apply");
  host.runPending();
  EXPECT_EQ(button->draws, draws + 1);
}

}  // namespace
}  // namespace pelorin
