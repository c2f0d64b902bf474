#include <gtest/gtest.h>

#include "button_fixture.h"
#include "skin/dpi_radio_button.h"
#include "skin/radio_button.h"

namespace pelorin {
namespace {

using testing::ButtonTest;
using testing::Notification;

struct ChooseCase {
  std::uint32_t before;
  int id;
  std::uint32_t after;
};

class RadioOptionsTest : public ::testing::TestWithParam<ChooseCase> {};

TEST_P(RadioOptionsTest, ChoosingClearsOnlyTheOwnGroup) {
  RadioOptions options;
  options.set(GetParam().before);
  options.choose(GetParam().id);
  EXPECT_EQ(options.word(), GetParam().after);
}

// Every group once, with bits of other groups standing by that must survive.
INSTANTIATE_TEST_SUITE_P(Groups, RadioOptionsTest,
                         ::testing::Values(ChooseCase{0x2000 | 0x80, 2032, 0x4000 | 0x80},
                                           ChooseCase{0x7F, 2006, 0x01},
                                           ChooseCase{0x01 | 0x400, 2085, 0x40 | 0x400},
                                           ChooseCase{0x80 | 0x800, 2010, 0x100 | 0x800},
                                           ChooseCase{0x400 | 0x1000, 3501, 0x200 | 0x1000},
                                           ChooseCase{0x800 | 0x10000, 3250, 0x1000 | 0x10000},
                                           ChooseCase{0x4000, 2033, 0x8000},
                                           ChooseCase{0x80000 | 0x100000, 3030, 0x10000 | 0x100000},
                                           ChooseCase{0x10000, 3033, 0x80000},
                                           ChooseCase{0x100000 | 0xE000, 3511, 0x200000 | 0xE000},
                                           ChooseCase{0x12345, 4000, 0x12345},
                                           ChooseCase{0, 2007, 0}));

TEST(RadioOptions, MarkedReadsOnlyTheButtonsOwnBit) {
  RadioOptions options;
  options.set(0x4000);
  EXPECT_TRUE(options.marked(2032));
  EXPECT_FALSE(options.marked(2031));
  EXPECT_FALSE(options.marked(2033));
  options.set(0xFFFFFFFF);
  EXPECT_FALSE(options.marked(4000)) << "an id outside every group is never marked";
  options.clear(0xE000);
  EXPECT_FALSE(options.marked(2032));
  EXPECT_TRUE(options.holds(0x10000 | 0x100000));
}

class RadioButtonTest : public ButtonTest {
 protected:
  RadioOptions options;
  CRadioButton* first = nullptr;
  CRadioButton* second = nullptr;
  void SetUp() override {
    ButtonTest::SetUp();
    first = &add<CRadioButton>(2031, Rect{100, 100, 110, 110}, options);
    second = &add<CRadioButton>(2032, Rect{100, 120, 110, 130}, options);
  }
};

TEST_F(RadioButtonTest, ClickMarksItselfBeforeTheOwnerHearsIt) {
  options.choose(2031);
  std::uint32_t seen = 0;
  dialog.onNotify = [&](const Message& m) {
    if (m.lParam == notify::kClicked) seen = options.word();
  };
  click(105, 125);
  EXPECT_EQ(seen, 0x4000u);
  EXPECT_TRUE(second->marked());
  EXPECT_FALSE(first->marked());
  EXPECT_EQ(second->state(), ButtonState::Over);
  EXPECT_EQ(dialog.received,
            (std::vector<Notification>{{2032, 0, notify::kPressed}, {2032, 0, notify::kClicked}}));
}

TEST_F(RadioButtonTest, MarkedButtonDrawsCheckedWhoeverSetTheBit) {
  first->loadStripImage(stripPicture());
  second->loadStripImage(stripPicture());
  options.set(0x2000);  // a page showing a stored choice
  EXPECT_EQ(pixel(105, 105), testing::kDownColour);
  EXPECT_EQ(pixel(105, 125), testing::kNormalColour);
  click(105, 125);
  moveTo(dialog, 200, 200);
  EXPECT_EQ(pixel(105, 105), testing::kNormalColour);
  EXPECT_EQ(pixel(105, 125), testing::kDownColour);
}

TEST_F(ButtonTest, RadioOutsideEveryGroupOnlyNotifies) {
  RadioOptions options;
  options.set(0xABCD);
  add<CRadioButton>(4000, Rect{100, 100, 110, 110}, options);
  click(105, 105);
  EXPECT_EQ(options.word(), 0xABCDu);
  EXPECT_EQ(dialog.received.back(), (Notification{4000, 0, notify::kClicked}));
}

TEST(DpiLevels, ChoosingALevelSwitchesOnEveryLevelUpToIt) {
  for (int k = 0; k < DpiLevels::kLevelCount; ++k) {
    DpiLevels levels;
    levels.setBits(0xA5);
    levels.choose(k);
    EXPECT_EQ(levels.bits(), (1u << (k + 1)) - 1u) << "level " << k;
    EXPECT_TRUE(levels.on(k));
    EXPECT_FALSE(levels.on(k + 1));
  }
  DpiLevels levels;
  levels.setBits(0x0F);
  levels.choose(8);
  levels.choose(-1);
  EXPECT_EQ(levels.bits(), 0x0F);
}

class DpiRadioButtonTest : public ButtonTest {
 protected:
  DpiLevels levels;
  std::vector<CDPIRadioButton*> captions;
  void SetUp() override {
    ButtonTest::SetUp();
    for (int k = 0; k < DpiLevels::kLevelCount; ++k) {
      captions.push_back(&add<CDPIRadioButton>(CDPIRadioButton::kFirstId + k,
                                               Rect::ofSize(10 + 38 * k, 100, 26, 11), levels));
    }
  }
};

TEST_F(DpiRadioButtonTest, ClickOnTheThirdLevelSwitchesOnThreeLevels) {
  levels.setBits(0xFF);
  click(10 + 76 + 5, 105);
  EXPECT_EQ(levels.bits(), 0x07);
  for (int k = 0; k < DpiLevels::kLevelCount; ++k) EXPECT_EQ(captions[k]->marked(), k <= 2) << k;
  EXPECT_EQ(dialog.received.back(), (Notification{3292, 0, notify::kClicked}));
}

TEST_F(DpiRadioButtonTest, CaptionShowsTheResolution) {
  captions[0]->setValue(16);
  captions[1]->setValue(480);
  EXPECT_EQ(captions[0]->text(), u"800");
  EXPECT_EQ(captions[1]->text(), u"24000");
}

TEST_F(DpiRadioButtonTest, CheckedLevelShowsItsCheckedPicture) {
  captions[0]->loadStripImage(stripPicture());
  captions[1]->loadStripImage(stripPicture());
  levels.choose(0);
  EXPECT_EQ(pixel(15, 105), testing::kDownColour);
  EXPECT_EQ(pixel(53, 105), testing::kNormalColour);
}

}  // namespace
}  // namespace pelorin
