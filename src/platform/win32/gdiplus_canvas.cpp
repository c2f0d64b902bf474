#include "platform/win32/gdiplus_canvas.h"

#include <algorithm>
#include <cmath>

#include "platform/text_format.h"
#include "platform/win32/gdiplus_font.h"
#include "platform/win32/gdiplus_image.h"

namespace pelorin {
namespace {

Gdiplus::Color colourOf(Colour colour) {
  return Gdiplus::Color(255, redOf(colour), greenOf(colour), blueOf(colour));
}

Gdiplus::Rect rectOf(const Rect& rect) {
  return Gdiplus::Rect(rect.left, rect.top, rect.width(), rect.height());
}

const wchar_t* wide(std::u16string_view text) {
  return reinterpret_cast<const wchar_t*>(text.data());
}

void setLayout(Gdiplus::StringFormat& format, unsigned flags) {
  format.SetAlignment((flags & text::kCenter)  ? Gdiplus::StringAlignmentCenter
                      : (flags & text::kRight) ? Gdiplus::StringAlignmentFar
                                               : Gdiplus::StringAlignmentNear);
  if (flags & text::kSingleLine) {
    format.SetFormatFlags(format.GetFormatFlags() | Gdiplus::StringFormatFlagsNoWrap);
  }
  format.SetTrimming((flags & text::kWordEllipsis)  ? Gdiplus::StringTrimmingEllipsisWord
                     : (flags & text::kEndEllipsis) ? Gdiplus::StringTrimmingEllipsisCharacter
                                                    : Gdiplus::StringTrimmingNone);
}

// Where the text is laid out. GDI+ may leave out a line that does not fit whole, so a single
// line gets the room of its line height, centred by hand when asked, and the rectangle's clip
// cuts what overflows.
Gdiplus::RectF layoutArea(const Rect& rect, Gdiplus::REAL lineHeight, unsigned flags) {
  auto top = static_cast<Gdiplus::REAL>(rect.top);
  auto height = std::max(static_cast<Gdiplus::REAL>(rect.height()), lineHeight);
  if (flags & text::kSingleLine) {
    if (flags & text::kVCenter)
      top += std::floor((static_cast<Gdiplus::REAL>(rect.height()) - lineHeight) / 2);
    height = std::ceil(lineHeight);
  }
  return Gdiplus::RectF(static_cast<Gdiplus::REAL>(rect.left), top,
                        static_cast<Gdiplus::REAL>(rect.width()), height);
}

}  // namespace

GdiplusCanvas::GdiplusCanvas(Gdiplus::Bitmap& target) : target_(target), graphics_(&target) {
  graphics_.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  graphics_.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
}

void GdiplusCanvas::fillRect(const Rect& rect, Colour colour) {
  if (rect.empty()) return;
  Gdiplus::SolidBrush brush(colourOf(colour));
  graphics_.FillRectangle(&brush, rectOf(rect));
}

void GdiplusCanvas::frameRect(const Rect& rect, Colour colour) {
  if (rect.empty()) return;
  fillRect({rect.left, rect.top, rect.right, rect.top + 1}, colour);
  fillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
  fillRect({rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
  fillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void GdiplusCanvas::drawImage(const Image& image, const Rect& dest, const Rect& source) {
  const auto* picture = dynamic_cast<const GdiplusImage*>(&image);
  if (picture == nullptr || dest.empty() || source.empty()) return;
  // The part is copied out first and its edges mirrored, so the smoothing never pulls in the
  // neighbouring frame of a state strip.
  const std::unique_ptr<Gdiplus::Bitmap> part(
      picture->bitmap().Clone(rectOf(source), PixelFormat32bppPARGB));
  if (!part || part->GetLastStatus() != Gdiplus::Ok) return;
  Gdiplus::ImageAttributes edges;
  edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
  const auto state = graphics_.Save();
  graphics_.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBilinear);
  graphics_.IntersectClip(rectOf(dest));
  graphics_.DrawImage(part.get(), rectOf(dest), 0, 0, source.width(), source.height(),
                      Gdiplus::UnitPixel, &edges);
  graphics_.Restore(state);
}

void GdiplusCanvas::drawText(std::u16string_view text, const Rect& rect, const Font& font,
                             Colour colour, unsigned flags) {
  if (text.empty() || rect.empty()) return;
  const auto gdiFont = gdiplusFont(font);
  Gdiplus::StringFormat format(Gdiplus::StringFormat::GenericTypographic());
  setLayout(format, flags);
  Gdiplus::SolidBrush brush(colourOf(colour));
  const auto area = layoutArea(rect, gdiFont->GetHeight(&graphics_), flags);
  const auto state = graphics_.Save();
  graphics_.IntersectClip(rectOf(rect));
  graphics_.DrawString(wide(text), static_cast<INT>(text.size()), gdiFont.get(), area, &format,
                       &brush);
  graphics_.Restore(state);
}

void GdiplusCanvas::pushClip(const Rect& rect) {
  clips_.push_back(graphics_.Save());
  graphics_.IntersectClip(rectOf(rect));
}

void GdiplusCanvas::popClip() {
  if (clips_.empty()) return;
  graphics_.Restore(clips_.back());
  clips_.pop_back();
}

Colour GdiplusCanvas::pixel(int x, int y) const {
  const_cast<Gdiplus::Graphics&>(graphics_).Flush(Gdiplus::FlushIntentionSync);
  return bitmapPixel(target_, x, y);
}

}  // namespace pelorin
