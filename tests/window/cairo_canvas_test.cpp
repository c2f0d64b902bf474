#include <gtest/gtest.h>

#include "platform/cairo/cairo_graphics.h"
#include "platform/text_format.h"
#include "window/test_pictures.h"

namespace pelorin {
namespace {

constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kGreen = rgb(0, 255, 0);
constexpr Colour kBlue = rgb(0, 0, 255);
constexpr Colour kWhite = rgb(255, 255, 255);

class CairoCanvasTest : public ::testing::Test {
 protected:
  CairoGraphics graphics;
  std::unique_ptr<Image> target = graphics.createImage(100, 60);
  std::unique_ptr<Canvas> canvas = graphics.paintOn(*target);

  // Pixels of the row that differ from the background colour.
  int inkInRow(int y, Colour background) const {
    int count = 0;
    for (int x = 0; x < target->width(); ++x) count += canvas->pixel(x, y) != background;
    return count;
  }
  Rect inkBounds(Colour background) const {
    Rect bounds{1000, 1000, -1, -1};
    for (int y = 0; y < target->height(); ++y) {
      for (int x = 0; x < target->width(); ++x) {
        if (canvas->pixel(x, y) == background) continue;
        bounds = {std::min(bounds.left, x), std::min(bounds.top, y), std::max(bounds.right, x + 1),
                  std::max(bounds.bottom, y + 1)};
      }
    }
    return bounds;
  }
};

TEST_F(CairoCanvasTest, FillAndFrameKeepToTheirRectangles) {
  canvas->fillRect({10, 10, 20, 20}, kRed);
  canvas->frameRect({30, 10, 40, 20}, kGreen);
  EXPECT_EQ(canvas->pixel(10, 10), kRed);
  EXPECT_EQ(canvas->pixel(19, 19), kRed);
  EXPECT_EQ(canvas->pixel(20, 20), 0u);
  EXPECT_EQ(canvas->pixel(30, 10), kGreen);
  EXPECT_EQ(canvas->pixel(39, 19), kGreen);
  EXPECT_EQ(canvas->pixel(35, 15), 0u) << "a frame leaves its inside alone";
  EXPECT_EQ(target->pixel(15, 15), kRed) << "the image sees what the canvas drew";
}

TEST_F(CairoCanvasTest, OutsideReadsAsBlack) {
  canvas->fillRect({0, 0, 100, 60}, kWhite);
  EXPECT_EQ(canvas->pixel(-1, 0), 0u);
  EXPECT_EQ(canvas->pixel(100, 0), 0u);
  EXPECT_EQ(canvas->pixel(0, 60), 0u);
}

TEST_F(CairoCanvasTest, ClipsNestAndUnwind) {
  canvas->pushClip({0, 0, 50, 60});
  canvas->pushClip({40, 0, 100, 60});
  canvas->fillRect({0, 0, 100, 60}, kBlue);
  canvas->popClip();
  EXPECT_EQ(canvas->pixel(39, 5), 0u);
  EXPECT_EQ(canvas->pixel(45, 5), kBlue);
  EXPECT_EQ(canvas->pixel(55, 5), 0u);
  canvas->popClip();
  canvas->fillRect({90, 0, 100, 10}, kRed);
  EXPECT_EQ(canvas->pixel(95, 5), kRed);
}

TEST_F(CairoCanvasTest, StripFrameIsStretchedWithoutItsNeighbours) {
  // A three-state strip: red, green, blue frames of 10 x 10.
  const auto strip = graphics.decode(testing::pngBytes(
      {30, 10}, {{{0, 0, 10, 10}, kRed}, {{10, 0, 20, 10}, kGreen}, {{20, 0, 30, 10}, kBlue}}));
  ASSERT_NE(strip, nullptr);
  canvas->drawImage(*strip, {0, 0, 40, 40}, {10, 0, 20, 10});
  for (const Point p : {Point{0, 0}, Point{39, 0}, Point{0, 39}, Point{39, 39}, Point{20, 20}}) {
    EXPECT_EQ(canvas->pixel(p.x, p.y), kGreen) << p.x << "," << p.y;
  }
  EXPECT_EQ(canvas->pixel(40, 20), 0u);
}

TEST_F(CairoCanvasTest, TextStaysInsideItsRectangle) {
  const Font font{u"Tahoma", 14, 400, ""};
  canvas->drawText(u"Polling rate and lift-off distance", {10, 20, 60, 40}, font, kWhite,
                   text::kSingleLine | text::kVCenter);
  const Rect ink = inkBounds(0);
  ASSERT_FALSE(ink.empty()) << "some text is drawn";
  EXPECT_GE(ink.left, 10);
  EXPECT_LE(ink.right, 60);
  EXPECT_GE(ink.top, 20);
  EXPECT_LE(ink.bottom, 40);
}

TEST_F(CairoCanvasTest, AlignmentMovesTheText) {
  const Font font{u"Tahoma", 14, 400, ""};
  const auto leftEdge = [&](unsigned flags) {
    canvas->fillRect({0, 0, 100, 60}, 0);
    canvas->drawText(u"DPI", {0, 0, 100, 60}, font, kWhite, flags | text::kSingleLine);
    return inkBounds(0);
  };
  const Rect left = leftEdge(text::kLeft);
  const Rect centre = leftEdge(text::kCenter | text::kVCenter);
  const Rect right = leftEdge(text::kRight);
  EXPECT_LT(left.left, 5);
  EXPECT_NEAR((centre.left + centre.right) / 2, 50, 3);
  EXPECT_GT(right.right, 95);
  EXPECT_NEAR((centre.top + centre.bottom) / 2, 30, 4) << "vertically centred";
}

TEST_F(CairoCanvasTest, EllipsisEndsTextThatDoesNotFit) {
  const Font font{u"Tahoma", 14, 400, ""};
  const std::u16string longText = u"Assign a keyboard shortcut to this button";
  canvas->drawText(longText, {0, 0, 100, 20}, font, kWhite, text::kSingleLine);
  const Rect clipped = inkBounds(0);
  canvas->fillRect({0, 0, 100, 60}, 0);
  canvas->drawText(longText, {0, 0, 100, 20}, font, kWhite,
                   text::kSingleLine | text::kWordEllipsis);
  const Rect ellipsis = inkBounds(0);
  EXPECT_GE(clipped.right, 98) << "without an ellipsis the line runs into the edge";
  // The dots sit on the baseline, so the last columns hold only short marks.
  int tallColumn = 0;
  for (int y = 0; y < 20; ++y) tallColumn += canvas->pixel(ellipsis.right - 1, y) != 0;
  EXPECT_LE(tallColumn, 3);
  EXPECT_LE(ellipsis.right, 100);
}

// A wrapped text with an ellipsis fills every line that fits (a static text's usual flags).
TEST_F(CairoCanvasTest, WrappedTextWithEllipsisUsesEveryLineThatFits) {
  const Font font{u"Tahoma", 14, 400, ""};
  canvas->drawText(u"Assign a keyboard shortcut to this button of the mouse", {0, 0, 100, 40}, font,
                   kWhite, text::kWordBreak | text::kWordEllipsis);
  int secondLine = 0;
  for (int y = 20; y < 40; ++y) secondLine += inkInRow(y, 0);
  EXPECT_GT(secondLine, 20);
}

TEST_F(CairoCanvasTest, ChineseCaptionHasGlyphs) {
  const Font font{u"\u5B8B\u4F53", 16, 400, "zh-cn"};
  canvas->drawText(u"\u914D\u7F6E\u6587\u4EF6", {0, 0, 100, 30}, font, kWhite, text::kSingleLine);
  const Rect ink = inkBounds(0);
  ASSERT_FALSE(ink.empty());
  EXPECT_GT(ink.width(), 40) << "four ideographs at 16 pixels, not boxes of nothing";
}

}  // namespace
}  // namespace pelorin
