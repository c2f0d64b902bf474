#include <gtest/gtest.h>

#include <filesystem>

#include "platform/cairo/cairo_graphics.h"
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

}  // namespace
}  // namespace pelorin
