#include "platform/win32/gdiplus_graphics.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/text_format.h"
#include "platform/win32/gdiplus_session.h"

namespace pelorin {
namespace {

constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kGreen = rgb(0, 255, 0);
constexpr Colour kBlue = rgb(0, 0, 255);
constexpr Colour kWhite = rgb(255, 255, 255);
constexpr Colour kBlack = rgb(0, 0, 0);

// A 2 x 2 24-bit BMP, rows stored bottom-up, each padded to four bytes:
// red, white over blue, green.
const std::vector<std::uint8_t> kBmp = {
    'B',  'M', 70,   0,    0,    0,    0, 0, 0, 0, 54, 0, 0, 0,  // file header
    40,   0,   0,    0,    2,    0,    0, 0, 2, 0, 0,  0, 1, 0,
    24,   0,   0,    0,    0,    0,  // info header ...
    16,   0,   0,    0,    0,    0,    0, 0, 0, 0, 0,  0, 0, 0,
    0,    0,   0,    0,    0,    0,            // ... image size, rest 0
    0xFF, 0,   0,    0,    0xFF, 0,    0, 0,   // bottom: blue, green
    0,    0,   0xFF, 0xFF, 0xFF, 0xFF, 0, 0};  // top: red, white

class GdiplusTest : public ::testing::Test {
 protected:
  GdiplusSession session_;
  GdiplusGraphics graphics_;
};

TEST_F(GdiplusTest, ABmpDecodesTopRowFirstAndBadBytesDecodeToNothing) {
  ASSERT_TRUE(session_.started());
  const auto image = graphics_.decode(kBmp);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->width(), 2);
  EXPECT_EQ(image->height(), 2);
  EXPECT_EQ(image->pixel(0, 0), kRed);
  EXPECT_EQ(image->pixel(1, 0), kWhite);
  EXPECT_EQ(image->pixel(0, 1), kBlue);
  EXPECT_EQ(image->pixel(1, 1), kGreen);
  EXPECT_EQ(image->pixel(2, 0), kBlack);
  EXPECT_EQ(image->pixel(-1, 1), kBlack);

  const std::vector<std::uint8_t> cut(kBmp.begin(), kBmp.begin() + 30);
  EXPECT_EQ(graphics_.decode(cut), nullptr);
  EXPECT_EQ(graphics_.decode({}), nullptr);
  EXPECT_EQ(graphics_.loadFile("no such picture.png"), nullptr);
}

// Width and height of a PNG are the first fields of its header chunk, big-endian.
Size pngSize(const std::string& bytes) {
  const auto field = [&](std::size_t at) {
    int value = 0;
    for (std::size_t i = at; i < at + 4; ++i)
      value = value * 256 + static_cast<unsigned char>(bytes[i]);
    return value;
  };
  return bytes.size() > 24 ? Size{field(16), field(20)} : Size{};
}

TEST_F(GdiplusTest, EveryShippedSkinPictureLoadsAtItsOwnSize) {
  int loaded = 0;
  for (const auto& entry : std::filesystem::directory_iterator(PELORIN_SKIN_DIR)) {
    if (entry.path().extension() != ".png") continue;
    std::ifstream file(entry.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    const auto image = graphics_.loadFile(entry.path());
    ASSERT_NE(image, nullptr) << entry.path();
    EXPECT_EQ((Size{image->width(), image->height()}), pngSize(bytes)) << entry.path();
    ++loaded;
  }
  EXPECT_GT(loaded, 20);
}

TEST_F(GdiplusTest, RectanglesFramesAndNestedClipsPaintExactlyTheirPixels) {
  const auto image = graphics_.createImage(8, 8);
  ASSERT_NE(image, nullptr);
  auto canvas = graphics_.paintOn(*image);
  EXPECT_EQ(canvas->pixel(3, 3), kBlack);
  canvas->frameRect({1, 1, 7, 7}, kRed);
  EXPECT_EQ(canvas->pixel(1, 1), kRed);
  EXPECT_EQ(canvas->pixel(6, 6), kRed);
  EXPECT_EQ(canvas->pixel(6, 3), kRed);
  EXPECT_EQ(canvas->pixel(2, 2), kBlack);
  EXPECT_EQ(canvas->pixel(7, 7), kBlack);

  canvas->pushClip({2, 2, 6, 6});
  canvas->pushClip({0, 0, 4, 8});
  canvas->fillRect({0, 0, 8, 8}, kGreen);
  canvas->popClip();
  canvas->fillRect({5, 5, 8, 8}, kBlue);
  canvas->popClip();
  EXPECT_EQ(canvas->pixel(2, 2), kGreen);
  EXPECT_EQ(canvas->pixel(3, 5), kGreen);
  EXPECT_EQ(canvas->pixel(4, 2), kBlack);
  EXPECT_EQ(canvas->pixel(1, 1), kRed);
  EXPECT_EQ(canvas->pixel(5, 5), kBlue);
  EXPECT_EQ(canvas->pixel(6, 6), kRed);  // outside the outer clip
  canvas.reset();
  EXPECT_EQ(image->pixel(5, 5), kBlue);
}

// Stretched pictures keep their corners, and a part of a picture does not bleed in its
// neighbours (a state strip holds several frames side by side).
TEST_F(GdiplusTest, StretchedPicturesKeepTheirCornersAndPartsStayApart) {
  const auto source = graphics_.decode(kBmp);
  const auto image = graphics_.createImage(16, 8);
  auto canvas = graphics_.paintOn(*image);
  canvas->drawImage(*source, {0, 0, 8, 8});
  EXPECT_EQ(canvas->pixel(0, 0), kRed);
  EXPECT_EQ(canvas->pixel(7, 0), kWhite);
  EXPECT_EQ(canvas->pixel(0, 7), kBlue);
  EXPECT_EQ(canvas->pixel(7, 7), kGreen);
  canvas->drawImage(*source, {8, 0, 16, 8}, {1, 0, 2, 1});
  for (const Point p : {Point{8, 0}, Point{15, 0}, Point{8, 7}, Point{15, 7}, Point{11, 4}}) {
    EXPECT_EQ(canvas->pixel(p.x, p.y), kWhite) << p.x << "," << p.y;
  }
}

// The interface font, and a face no machine has: where a face is missing (this suite runs in a
// prefix without Tahoma) the system's message font stands in, so text is never left undrawn.
TEST_F(GdiplusTest, TextIsMeasuredAndDrawnInsideItsRectangleWhicheverFaceIsInstalled) {
  for (const std::u16string face : {u"Tahoma", u"Pelorin Missing Face"}) {
    SCOPED_TRACE(std::string(face.begin(), face.end()));
    const Font font{face, 16, 400, {}};
    const int one = graphics_.textWidth(u"W", font);
    EXPECT_GT(one, 5);
    EXPECT_GE(graphics_.textWidth(u"WWWW", font), 4 * one - 2);
    EXPECT_EQ(graphics_.textWidth(u"", font), 0);
    EXPECT_GT(graphics_.textWidth(u"W", {face, 16, 700, {}}), one - 1);

    const auto image = graphics_.createImage(64, 16);
    auto canvas = graphics_.paintOn(*image);
    canvas->fillRect({0, 0, 64, 16}, kWhite);
    canvas->drawText(u"WWWWWWWWWW", {0, 0, 20, 16}, font, kBlack, text::kSingleLine);
    int inked = 0;
    for (int x = 0; x < 64; ++x) {
      for (int y = 0; y < 16; ++y) {
        if (canvas->pixel(x, y) == kWhite) continue;
        EXPECT_LT(x, 20) << "ink outside the rectangle at " << x << "," << y;
        ++inked;
      }
    }
    EXPECT_GT(inked, 20);
  }
}

}  // namespace
}  // namespace pelorin
