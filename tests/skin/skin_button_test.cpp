#include <gtest/gtest.h>

#include "button_fixture.h"
#include "skin/check_button.h"
#include "skin/image_button.h"

namespace pelorin {
namespace {

using testing::ButtonTest;
using testing::Notification;
using Received = std::vector<Notification>;

constexpr int kId = 2047;
constexpr Rect kRect{100, 100, 110, 110};

class ImageButtonTest : public ButtonTest {
 protected:
  CImageButton* button = nullptr;
  void SetUp() override {
    ButtonTest::SetUp();
    button = &add<CImageButton>(kId, kRect);
  }
};

TEST_F(ImageButtonTest, ClickSendsPressedThenClickedWithItsId) {
  click(105, 105);
  EXPECT_EQ(dialog.received, (Received{{kId, 0, notify::kPressed}, {kId, kId, notify::kClicked}}));
  EXPECT_EQ(button->state(), ButtonState::Over);
}

TEST_F(ImageButtonTest, ReleaseOutsideSendsNoClickAndDropsTheDownLook) {
  press(105, 105);
  EXPECT_EQ(button->state(), ButtonState::Down);
  moveTo(dialog, 150, 150);
  EXPECT_EQ(button->state(), ButtonState::Down) << "a held button stays down off its rectangle";
  release(150, 150);
  EXPECT_EQ(dialog.received, (Received{{kId, 0, notify::kPressed}}));
  EXPECT_EQ(button->state(), ButtonState::Normal);
}

TEST_F(ImageButtonTest, DisabledButtonNeitherChangesLookNorSends) {
  button->setDisabled(true);
  moveTo(dialog, 105, 105);
  EXPECT_EQ(button->state(), ButtonState::Normal);
  click(105, 105);
  EXPECT_EQ(button->state(), ButtonState::Normal);
  EXPECT_TRUE(dialog.received.empty());
}

TEST_F(ImageButtonTest, HoverFollowsThePointer) {
  moveTo(dialog, 105, 105);
  EXPECT_EQ(button->state(), ButtonState::Over);
  moveTo(dialog, 200, 200);
  EXPECT_EQ(button->state(), ButtonState::Normal);
  moveTo(dialog, 105, 105);
  host.moveMouse(5000, 5000);  // out of the window altogether
  EXPECT_EQ(button->state(), ButtonState::Normal);
}

TEST_F(ImageButtonTest, ResetPressedDropsTheDownLook) {
  press(105, 105);
  button->resetPressed(0);
  EXPECT_EQ(button->state(), ButtonState::Normal);
}

TEST_F(ButtonTest, ProfileButtonReportsEveryMoveInsideWhileNotHeld) {
  add<CImageButton>(CImageButton::kProfileButtonId, kRect);
  const int profileId = CImageButton::kProfileButtonId;
  for (int x : {101, 102, 103}) moveTo(dialog, x, 105);
  moveTo(dialog, 150, 150);
  EXPECT_EQ(dialog.received, (Received(3, {profileId, 0, CImageButton::kPointerMoved})));
  press(105, 105);
  moveTo(dialog, 106, 105);
  EXPECT_EQ(std::count(dialog.received.begin(), dialog.received.end(),
                       Notification{profileId, 0, CImageButton::kPointerMoved}),
            4)
      << "one more for the move onto the button, none while it is held";
}

TEST_F(ButtonTest, OtherImageButtonsStayQuietOnMoves) {
  add<CImageButton>(CImageButton::kProfileButtonId + 1, kRect);
  for (int x : {101, 102, 103}) moveTo(dialog, x, 105);
  EXPECT_TRUE(dialog.received.empty());
}

// Which picture each look shows, for both ways of giving a button its pictures.
struct LookCase {
  const char* name;
  bool strip;
  bool withDown;
  Colour normal, over, down;
};

class ButtonLookTest : public ButtonTest, public ::testing::WithParamInterface<LookCase> {
 protected:
  CImageButton& makeButton() {
    auto& b = add<CImageButton>(kId, kRect);
    if (GetParam().strip) {
      EXPECT_TRUE(b.loadStripImage(stripPicture()));
    } else {
      EXPECT_TRUE(b.loadNormalImage(plainPicture("btn_nr.png", testing::kNormalColour)));
      EXPECT_TRUE(b.loadOverImage(plainPicture("btn_ov.png", testing::kOverColour)));
      if (GetParam().withDown) {
        EXPECT_TRUE(b.loadDownImage(plainPicture("btn_dn.png", testing::kDownColour)));
      }
    }
    return b;
  }
};

TEST_P(ButtonLookTest, EachLookDrawsItsPicture) {
  CImageButton& b = makeButton();
  EXPECT_EQ(pixel(105, 105), GetParam().normal);
  moveTo(dialog, 105, 105);
  EXPECT_EQ(pixel(105, 105), GetParam().over);
  host.pressLeft();
  EXPECT_EQ(pixel(105, 105), GetParam().down);
  b.releaseImages();
  EXPECT_EQ(pixel(105, 105), dialog.fillColour()) << "released pictures are not drawn";
}

INSTANTIATE_TEST_SUITE_P(Pictures, ButtonLookTest,
                         ::testing::Values(LookCase{"strip", true, false, testing::kNormalColour,
                                                    testing::kOverColour, testing::kDownColour},
                                           LookCase{"separate", false, true, testing::kNormalColour,
                                                    testing::kOverColour, testing::kDownColour},
                                           LookCase{"downFallsBackToOver", false, false,
                                                    testing::kNormalColour, testing::kOverColour,
                                                    testing::kOverColour}),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

TEST_F(ButtonTest, MissingPictureLeavesTheButtonWithoutOne) {
  auto& b = add<CImageButton>(kId, kRect);
  EXPECT_FALSE(b.loadNormalImage("skins\\btn_missing.png"));
  EXPECT_FALSE(b.loadStripResource(9999));
  EXPECT_EQ(pixel(105, 105), dialog.fillColour());
}

TEST_F(ButtonTest, StripFromTheResourcesDrawsItsFrames) {
  const auto bytes = testing::pngBytes({30, 10}, {{{10, 0, 20, 10}, testing::kOverColour}});
  resources.add(177, bytes);
  auto& b = add<CImageButton>(kId, kRect);
  ASSERT_TRUE(b.loadStripResource(177));
  EXPECT_EQ(b.images().width(), 30);
  moveTo(dialog, 105, 105);
  EXPECT_EQ(pixel(105, 105), testing::kOverColour);
}

class CheckButtonTest : public ButtonTest {
 protected:
  CCheckButton* box = nullptr;
  void SetUp() override {
    ButtonTest::SetUp();
    box = &add<CCheckButton>(3260, kRect);
  }
};

TEST_F(CheckButtonTest, ClickTogglesBeforeTheOwnerHearsIt) {
  std::vector<bool> seen;
  dialog.onNotify = [&](const Message& m) {
    if (m.lParam == notify::kClicked) seen.push_back(box->checked());
  };
  click(105, 105);
  click(105, 105);
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
  EXPECT_EQ(dialog.received.back(), (Notification{3260, 0, notify::kClicked}));
}

TEST_F(CheckButtonTest, ReleaseOutsideDoesNotToggle) {
  press(105, 105);
  release(150, 150);
  EXPECT_FALSE(box->checked());
}

TEST_F(CheckButtonTest, CheckedShowsTheDownPictureWhateverThePointerDoes) {
  box->loadStripImage(stripPicture());
  box->setChecked(true);
  EXPECT_EQ(pixel(105, 105), testing::kDownColour);
  moveTo(dialog, 105, 105);
  EXPECT_EQ(pixel(105, 105), testing::kDownColour);
  box->setChecked(false);
  EXPECT_EQ(pixel(105, 105), testing::kOverColour);
}

}  // namespace
}  // namespace pelorin
