#include <gtest/gtest.h>

#include <filesystem>

#include "platform/cairo/cairo_graphics.h"
#include "platform/text_format.h"
#include "support/temp_dir.h"
#include "window/test_pictures.h"

namespace pelorin {
namespace {

TEST(CairoGraphics, DecodesPngAndBmp) {
  CairoGraphics graphics;
  const auto png = graphics.decode(testing::pngBytes({4, 3}, {{{0, 0, 2, 3}, 0x35A0DE}}));
  ASSERT_NE(png, nullptr);
  EXPECT_EQ(png->width(), 4);
  EXPECT_EQ(png->height(), 3);
  EXPECT_EQ(png->pixel(1, 2), 0x35A0DEu);
  EXPECT_EQ(png->pixel(3, 0), 0u);

  const auto bmp = graphics.decode(testing::bmpBytes({5, 2}, 0x4B4B4B));
  ASSERT_NE(bmp, nullptr);
  EXPECT_EQ(bmp->width(), 5);
  EXPECT_EQ(bmp->pixel(4, 1), 0x4B4B4Bu);
}

TEST(CairoGraphics, MissingOrBrokenPicturesAreNull) {
  CairoGraphics graphics;
  EXPECT_EQ(graphics.loadFile("/nonexistent/skins/exit_nr.png"), nullptr);
  EXPECT_EQ(graphics.decode({}), nullptr);
  const std::vector<std::uint8_t> garbage{0x89, 'P', 'N', 'G', 1, 2, 3};
  EXPECT_EQ(graphics.decode(garbage), nullptr);
}

TEST(CairoGraphics, LoadsFileFromDisk) {
  CairoGraphics graphics;
  const testing::TempDir folder;
  const auto path = folder.path() / "a.png";
  testing::writePng(path, {8, 8}, {{{0, 0, 8, 8}, 0x0000FF}});
  const auto image = graphics.loadFile(path);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixel(7, 7), 0x0000FFu);
}

TEST(CairoGraphics, PaintsOnlyOnItsOwnImages) {
  CairoGraphics graphics;
  auto image = graphics.createImage(3, 3);
  EXPECT_EQ(image->pixel(1, 1), 0u) << "a new image starts transparent black";
  struct Foreign : Image {
    int width() const override { return 1; }
    int height() const override { return 1; }
    Colour pixel(int, int) const override { return 0; }
  } foreign;
  EXPECT_NE(graphics.paintOn(*image), nullptr);
  EXPECT_EQ(graphics.paintOn(foreign), nullptr);
}

TEST(CairoGraphics, TextWidthIsWhereDrawnTextEnds) {
  // Edit fields place their caret by it, so it must match what drawText puts on the canvas.
  CairoGraphics graphics;
  const Font font{u"Tahoma", 16, 400, ""};
  EXPECT_EQ(graphics.textWidth(u"", font), 0);
  EXPECT_LT(graphics.textWidth(u"iiii", font), graphics.textWidth(u"WWWW", font));
  const std::u16string text = u"WWW\u914D";
  const int width = graphics.textWidth(text, font);
  auto image = graphics.createImage(200, 30);
  auto canvas = graphics.paintOn(*image);
  canvas->fillRect(Rect{0, 0, 200, 30}, 0);
  canvas->drawText(text, Rect{0, 0, 200, 30}, font, 0xFFFFFF, text::kSingleLine | text::kVCenter);
  int right = -1;
  for (int x = 0; x < 200; ++x) {
    for (int y = 0; y < 30; ++y) {
      if (canvas->pixel(x, y) != 0) right = x;
    }
  }
  EXPECT_GT(right, width - 6) << "the text reaches near its width";
  EXPECT_LE(right, width + 1) << "and not beyond it";
}

}  // namespace
}  // namespace pelorin
