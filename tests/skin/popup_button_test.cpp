#include <gtest/gtest.h>

#include "button_fixture.h"
#include "skin/combo_button.h"
#include "skin/link_button.h"

namespace pelorin {
namespace {

using testing::ButtonTest;
using testing::Notification;
using Received = std::vector<Notification>;

constexpr int kComboId = 2013;
constexpr unsigned kPopupMessage = 1028;

class ComboButtonTest : public ButtonTest {
 protected:
  CComboButton* combo = nullptr;
  void SetUp() override {
    ButtonTest::SetUp();
    combo = &add<CComboButton>(kComboId, Rect{100, 100, 160, 121}, kPopupMessage);
  }
  long count(int code) {
    return std::count(dialog.received.begin(), dialog.received.end(),
                      Notification{kPopupMessage, kComboId, code});
  }
};

TEST_F(ComboButtonTest, OnlyTheFirstFiveMovesOfAVisitAnnounceThePointer) {
  for (int i = 0; i < 10; ++i) moveTo(dialog, 101 + i, 110);
  EXPECT_EQ(count(notify::kPointerEntered), 5);
  EXPECT_EQ(count(notify::kPointerLeft), 0);
  moveTo(dialog, 200, 200);
  moveTo(dialog, 210, 200);
  EXPECT_EQ(count(notify::kPointerLeft), 1) << "one leave notice per visit";
  for (int i = 0; i < 3; ++i) moveTo(dialog, 101 + i, 110);
  EXPECT_EQ(count(notify::kPointerEntered), 8) << "a new visit counts afresh";
}

TEST_F(ComboButtonTest, LeavingTheWindowEndsTheVisit) {
  moveTo(dialog, 105, 110);
  host.moveMouse(5000, 5000);
  EXPECT_EQ(count(notify::kPointerLeft), 1);
}

TEST_F(ComboButtonTest, LeavingWhileThePopupIsOpenSaysNothing) {
  moveTo(dialog, 105, 110);
  combo->setPopupOpen(true);
  moveTo(dialog, 200, 200);
  EXPECT_EQ(count(notify::kPointerLeft), 0);
  moveTo(dialog, 105, 110);
  EXPECT_EQ(count(notify::kPointerEntered), 2) << "the count still starts again";
}

TEST_F(ComboButtonTest, ClickAsksTheOwnerToOpenThePopup) {
  click(105, 110);
  const Received expected{{kComboId, 0, notify::kPressed},
                          {kPopupMessage, kComboId, notify::kClicked}};
  Received clicks;
  for (const Notification& n : dialog.received) {
    if (n.lParam == notify::kPressed || n.lParam == notify::kClicked) clicks.push_back(n);
  }
  EXPECT_EQ(clicks, expected);
}

TEST_F(ComboButtonTest, LockedComboCannotBeOpened) {
  combo->setLocked(true);
  click(105, 110);
  EXPECT_EQ(count(notify::kClicked), 0);
  EXPECT_EQ(std::count(dialog.received.begin(), dialog.received.end(),
                       Notification{kComboId, 0, notify::kPressed}),
            0);
  EXPECT_NE(combo->state(), ButtonState::Down);
}

TEST_F(ComboButtonTest, LockedComboShowsTheLockedFrames) {
  combo->setRect(Rect{100, 100, 110, 110});
  const auto strip = picture("btn_strip5.png", {50, 10},
                             {{{0, 0, 10, 10}, testing::kNormalColour},
                              {{10, 0, 20, 10}, testing::kOverColour},
                              {{30, 0, 40, 10}, 0x123456},
                              {{40, 0, 50, 10}, 0x654321}});
  ASSERT_TRUE(combo->loadStripImage(strip, 5));
  combo->setText(u" ");  // keeps the empty caption's text off the probed pixels
  EXPECT_EQ(pixel(102, 102), testing::kNormalColour);
  combo->setLocked(true);
  EXPECT_EQ(pixel(102, 102), 0x123456u);
  moveTo(dialog, 105, 105);
  EXPECT_EQ(pixel(102, 102), 0x654321u);
}

TEST_F(ComboButtonTest, OpenPopupDrawsTheOverLookAndResetDropsThePress) {
  combo->setRect(Rect{100, 100, 110, 110});
  ASSERT_TRUE(combo->loadStripImage(stripPicture()));
  combo->setText(u" ");
  combo->setPopupOpen(true);
  EXPECT_EQ(pixel(102, 102), testing::kOverColour);
  press(105, 105);
  combo->resetPressed(0);
  combo->setPopupOpen(false);
  EXPECT_EQ(pixel(102, 102), testing::kNormalColour);
}

TEST_F(ComboButtonTest, EmptyCaptionReadsDisable) {
  EXPECT_EQ(CComboButton::kEmptyCaption, u"Disable");
  combo->setRect(Rect{0, 0, 120, 30});
  const Colour blank = pixel(60, 15);
  bool drawn = false;
  for (int x = 20; x < 100 && !drawn; ++x) {
    for (int y = 5; y < 25 && !drawn; ++y) drawn = pixel(x, y) != blank;
  }
  EXPECT_TRUE(drawn) << "something is written on an empty combo";
}

TEST_F(ButtonTest, LinkTellsWhenThePointerComesAndGoes) {
  add<CLinkButton>(Rect{100, 100, 200, 118});
  constexpr int id = CLinkButton::kId;
  for (int x : {110, 120, 130}) moveTo(dialog, x, 110);
  moveTo(dialog, 250, 250);
  moveTo(dialog, 260, 250);
  click(150, 110);
  EXPECT_EQ(dialog.received, (Received{{id, 0, notify::kPointerEntered},
                                       {id, 0, notify::kPointerLeft},
                                       {id, 0, notify::kPointerEntered},
                                       {id, 0, notify::kPressed},
                                       {id, 0, notify::kClicked}}));
}

}  // namespace
}  // namespace pelorin
