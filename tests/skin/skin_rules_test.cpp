#include <gtest/gtest.h>

#include "platform/cairo/cairo_graphics.h"
#include "platform/sim/sim_window_system.h"
#include "skin/dialog_background.h"
#include "skin/scaled_length.h"
#include "skin/ui_font.h"
#include "window/test_pictures.h"

namespace pelorin {
namespace {

TEST(DialogBackground, AverageColourPerChannel) {
  CairoGraphics graphics;
  const auto image = graphics.decode(testing::pngBytes(
      {4, 1}, {{{0, 0, 1, 1}, rgb(200, 0, 10)}, {{1, 0, 2, 1}, rgb(100, 40, 10)}}));
  ASSERT_NE(image, nullptr);
  // (200 + 100 + 0 + 0) / 4, 40 / 4, 20 / 4
  EXPECT_EQ(averageColour(*image), rgb(75, 10, 5));
}

TEST(DialogBackground, ScaledCacheCoversTheWholeClientArea) {
  CairoGraphics graphics;
  // A corner square at each end shows where the picture's edges land.
  const auto picture =
      graphics.decode(testing::pngBytes({1127, 740}, {{{0, 0, 1127, 740}, 0x202020},
                                                      {{0, 0, 100, 100}, 0xFFFFFF},
                                                      {{1027, 640, 1127, 740}, 0x00FF00}}));
  for (const Size client : {Size{1690, 1110}, Size{2254, 1480}}) {
    const auto scaled = scaleBackground(graphics, *picture, client);
    ASSERT_NE(scaled, nullptr);
    EXPECT_EQ(scaled->width(), client.width);
    EXPECT_EQ(scaled->height(), client.height);
    EXPECT_EQ(scaled->pixel(client.width * 90 / 1127, client.height * 90 / 740), 0xFFFFFFu);
    EXPECT_EQ(scaled->pixel(client.width / 2, client.height / 2), 0x202020u);
    EXPECT_EQ(scaled->pixel(client.width - 1, client.height - 1), 0x00FF00u)
        << "no flat band on the right or at the bottom";
  }
  EXPECT_EQ(scaleBackground(graphics, *picture, Size{0, 740}), nullptr);
}

struct ScaleCase {
  float scale;
  double design;
  int pixels;
};

class ScaledLengthTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaledLengthTest, TruncatesToWholePixels) {
  OpenDialogTable dialogs;
  ResourceTable resources;
  SimWindowSystem host;
  const SkinContext context{host, resources, {}, GetParam().scale, Font{}, dialogs};
  EXPECT_EQ(scaledLength(context, GetParam().design), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ScaledLengthTest,
                         ::testing::Values(ScaleCase{1.5f, 7, 10}, ScaleCase{1.5f, 15, 22},
                                           ScaleCase{1.5f, 917, 1375}, ScaleCase{1.5f, 1127, 1690},
                                           ScaleCase{2.0f, 7, 14}, ScaleCase{1.0f, 7, 7},
                                           ScaleCase{1.5f, 0.5, 0}));

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
