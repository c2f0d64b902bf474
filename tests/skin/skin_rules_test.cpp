#include <gtest/gtest.h>

#include "platform/cairo/cairo_graphics.h"
#include "skin/dialog_background.h"
#include "skin/ui_font.h"
#include "window/test_pictures.h"

namespace pelorin {
namespace {

struct MarginCase {
  Size background;
  Size dialog;
  int margin;
};

class MarginTest : public ::testing::TestWithParam<MarginCase> {};

TEST_P(MarginTest, ShorterSideUpToAHundredWhenSmallerThanTheDialog) {
  EXPECT_EQ(backgroundMargin(GetParam().background, GetParam().dialog), GetParam().margin);
}

INSTANTIATE_TEST_SUITE_P(Sizes, MarginTest,
                         ::testing::Values(MarginCase{{1127, 740}, {1127, 740}, 0},
                                           MarginCase{{1127, 740}, {1690, 1110}, 100},
                                           MarginCase{{528, 365}, {1127, 366}, 100},
                                           MarginCase{{80, 60}, {81, 60}, 60},
                                           MarginCase{{80, 60}, {80, 61}, 60},
                                           MarginCase{{2000, 2000}, {100, 100}, 0}));

TEST(DialogBackground, AverageColourPerChannel) {
  CairoGraphics graphics;
  const auto image = graphics.decode(testing::pngBytes(
      {4, 1}, {{{0, 0, 1, 1}, rgb(200, 0, 10)}, {{1, 0, 2, 1}, rgb(100, 40, 10)}}));
  ASSERT_NE(image, nullptr);
  // (200 + 100 + 0 + 0) / 4, 40 / 4, 20 / 4
  EXPECT_EQ(averageColour(*image), rgb(75, 10, 5));
}

TEST(DialogBackground, ScaledCacheStretchesTheDesignArea) {
  CairoGraphics graphics;
  const auto picture = graphics.decode(testing::pngBytes(
      {1127, 740}, {{{0, 0, 1127, 740}, 0x202020}, {{0, 0, 100, 100}, 0xFFFFFF}}));
  const auto scaled = scaleBackground(graphics, *picture, 0, 1.5f);
  ASSERT_NE(scaled, nullptr);
  EXPECT_EQ(scaled->width(), 1690);
  EXPECT_EQ(scaled->height(), 1110);
  EXPECT_EQ(scaled->pixel(140, 140), 0xFFFFFFu);
  EXPECT_EQ(scaled->pixel(160, 160), 0x202020u);
  EXPECT_EQ(scaleBackground(graphics, *picture, 740, 1.0f), nullptr);
}

TEST(UiFont, CharsetPicksTheFallbackLanguage) {
  EXPECT_EQ(uiFont(u"\u5B8B\u4F53", 12, 134).language, "zh-cn");
  EXPECT_EQ(uiFont(u"Tahoma", 16, 0).language, "");
  const Font font = uiFont(u"Tahoma", 24, 1);
  EXPECT_EQ(font.pixelHeight, 24);
  EXPECT_EQ(font.weight, 400);
}

TEST(UiFont, DialogFontIsTenPointSemiBold) {
  const Font ui = uiFont(u"Tahoma", 16, 0);
  EXPECT_EQ(dialogFont(ui, 1.0).pixelHeight, 13);
  EXPECT_EQ(dialogFont(ui, 1.5).pixelHeight, 20);
  EXPECT_EQ(dialogFont(ui, 2.0).pixelHeight, 27);
  EXPECT_EQ(dialogFont(ui, 1.0).weight, 600);
  EXPECT_EQ(dialogFont(ui, 1.0).face, u"Tahoma");
}

}  // namespace
}  // namespace pelorin
