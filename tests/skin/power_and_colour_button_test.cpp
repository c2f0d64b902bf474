#include <gtest/gtest.h>

#include "button_fixture.h"
#include "skin/color_select_button.h"
#include "skin/color_select_check_button.h"
#include "skin/power_manage_button.h"

namespace pelorin {
namespace {

using testing::ButtonTest;
using testing::Notification;

struct SectorCase {
  Point design;  // relative to the dial's corner, unscaled
  int value;     // 0: no sector
};

class PowerDialSectorTest : public ButtonTest, public ::testing::WithParamInterface<float> {};

TEST_P(PowerDialSectorTest, PointsSelectTheirSector) {
  context.scale = GetParam();
  const Rect rect =
      Rect::ofSize(20, 10, static_cast<int>(140 * GetParam()), static_cast<int>(84 * GetParam()));
  auto& dial = add<CPowerManageButton>(rect);
  const SectorCase cases[] = {
      {{10, 65}, 3},  {{15, 50}, 4},  {{35, 35}, 5},   {{55, 12}, 6}, {{85, 12}, 7},
      {{110, 30}, 8}, {{120, 50}, 9}, {{128, 66}, 10}, {{2, 2}, 0},   {{138, 80}, 0},
  };
  for (const SectorCase& c : cases) {
    const int x = rect.left + static_cast<int>(static_cast<float>(c.design.x) * GetParam());
    const int y = rect.top + static_cast<int>(static_cast<float>(c.design.y) * GetParam());
    EXPECT_EQ(dial.valueAt(x, y).value_or(0), c.value) << c.design.x << "," << c.design.y;
  }
}

INSTANTIATE_TEST_SUITE_P(Scales, PowerDialSectorTest, ::testing::Values(1.0f, 1.5f, 2.0f));

class PowerDialTest : public ButtonTest {
 protected:
  CPowerManageButton* dial = nullptr;
  void SetUp() override {
    ButtonTest::SetUp();
    dial = &add<CPowerManageButton>(Rect::ofSize(0, 0, 140, 84));
  }
};

TEST_F(PowerDialTest, ClickInASectorSelectsAndNotifies) {
  EXPECT_EQ(dial->value(), CPowerManageButton::kInitialValue);
  int seen = 0;
  dialog.onNotify = [&](const Message& m) {
    if (m.lParam == notify::kClicked) seen = dial->value();
  };
  click(85, 12);
  EXPECT_EQ(seen, 7);
  EXPECT_EQ(dialog.received.back(), (Notification{CPowerManageButton::kId, 0, notify::kClicked}));
}

TEST_F(PowerDialTest, ClickOutsideEverySectorChangesNothing) {
  click(2, 2);
  EXPECT_EQ(dial->value(), CPowerManageButton::kInitialValue);
  EXPECT_EQ(dialog.received,
            (std::vector<Notification>{{CPowerManageButton::kId, 0, notify::kPressed}}));
}

TEST_F(PowerDialTest, DrawsThePictureOfTheSelectedValue) {
  ASSERT_TRUE(dial->loadValueImage(6, plainPicture("power_6.png", 0x00AA00)));
  ASSERT_TRUE(dial->loadValueImage(10, plainPicture("power_10.png", 0xAA0000)));
  EXPECT_FALSE(dial->loadValueImage(11, plainPicture("power_11.png", 0)));
  EXPECT_EQ(pixel(70, 40), 0x00AA00u);
  dial->setValue(10);
  EXPECT_EQ(pixel(70, 40), 0xAA0000u);
  dial->setValue(3);
  EXPECT_EQ(pixel(70, 40), dialog.fillColour()) << "a value without a picture draws nothing";
  dial->setValue(0);
  EXPECT_EQ(dial->value(), 3);
}

TEST_F(ButtonTest, ColourSwatchFillsItsInsideWithItsColour) {
  auto& swatch = add<CColorSelectButton>(3270, Rect{100, 100, 126, 112});
  swatch.setColour(0x3060C0);
  EXPECT_EQ(pixel(113, 106), 0x3060C0u);
  EXPECT_EQ(pixel(100, 100), captionColour(ButtonState::Normal)) << "the frame shows the look";
  moveTo(dialog, 113, 106);
  EXPECT_EQ(pixel(100, 100), captionColour(ButtonState::Over));
  click(113, 106);
  EXPECT_EQ(dialog.received.back(), (Notification{3270, 0, notify::kClicked}));
}

class ColourSlotTest : public ButtonTest {
 protected:
  CColorSelectCheckButton* slot = nullptr;
  void SetUp() override {
    ButtonTest::SetUp();
    slot = &add<CColorSelectCheckButton>(3180, Rect{100, 100, 121, 120});
    // The pictures cover only the top rows, so the colour shows below them.
    slot->loadNormalImage(picture("slot_nr.png", {21, 20}, {{{0, 0, 21, 5}, 0x111111}}));
    slot->loadOverImage(picture("slot_ck.png", {21, 20}, {{{0, 0, 21, 5}, 0xEEEEEE}}));
    slot->setColour(0x0080FF);
  }
};

TEST_F(ColourSlotTest, SelectedSlotShowsTheMarkOverItsColour) {
  EXPECT_EQ(pixel(110, 2 + 100), 0x111111u);
  slot->setSelected(true);
  EXPECT_EQ(pixel(110, 102), 0xEEEEEEu);
  moveTo(dialog, 300, 250);
  EXPECT_EQ(pixel(110, 102), 0xEEEEEEu) << "the mark stays without the pointer";
  EXPECT_EQ(pixel(110, 115), 0u) << "black of the picture over the colour";
}

TEST_F(ColourSlotTest, DoubleClickIsPassedOn) {
  const Point p = screenOf(dialog, 110, 110);
  host.doubleClickLeft(p.x, p.y);
  EXPECT_NE(std::find(dialog.received.begin(), dialog.received.end(),
                      Notification{3180, 0, notify::kDoubleClick}),
            dialog.received.end());
  slot->setDisabled(true);
  dialog.received.clear();
  host.doubleClickLeft(p.x, p.y);
  EXPECT_TRUE(dialog.received.empty());
}

}  // namespace
}  // namespace pelorin
