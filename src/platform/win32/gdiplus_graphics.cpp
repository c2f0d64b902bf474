#include "platform/win32/gdiplus_graphics.h"

#include <shlwapi.h>

#include <cmath>

#include "common/file_bytes.h"
#include "platform/win32/gdiplus_canvas.h"
#include "platform/win32/gdiplus_font.h"
#include "platform/win32/gdiplus_image.h"

namespace pelorin {
namespace {

constexpr auto kPixelFormat = PixelFormat32bppPARGB;

// A blank picture of the size, every pixel transparent black.
std::unique_ptr<Gdiplus::Bitmap> blankBitmap(int width, int height) {
  auto bitmap = std::make_unique<Gdiplus::Bitmap>(width, height, kPixelFormat);
  if (bitmap->GetLastStatus() != Gdiplus::Ok) return nullptr;
  Gdiplus::Graphics clear(bitmap.get());
  clear.Clear(Gdiplus::Color(0, 0, 0, 0));
  return bitmap;
}

}  // namespace

std::unique_ptr<Image> GdiplusGraphics::loadFile(const std::filesystem::path& path) {
  // Read first, so the file is not held open for as long as the picture lives.
  const auto bytes = readFileBytes(path);
  if (!bytes) return nullptr;
  return decode(std::span(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()));
}

std::unique_ptr<Image> GdiplusGraphics::decode(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return nullptr;
  IStream* stream = ::SHCreateMemStream(bytes.data(), static_cast<UINT>(bytes.size()));
  if (stream == nullptr) return nullptr;
  std::unique_ptr<Gdiplus::Bitmap> copy;
  {
    // The decoded bitmap reads from the stream as long as it lives: the picture kept is a copy
    // drawn into a bitmap of its own.
    Gdiplus::Bitmap decoded(stream);
    const auto width = static_cast<int>(decoded.GetWidth());
    const auto height = static_cast<int>(decoded.GetHeight());
    if (decoded.GetLastStatus() == Gdiplus::Ok && width > 0 && height > 0) {
      copy = blankBitmap(width, height);
      if (copy) {
        Gdiplus::Graphics into(copy.get());
        into.DrawImage(&decoded, 0, 0, width, height);
      }
    }
  }
  stream->Release();
  if (!copy) return nullptr;
  return std::make_unique<GdiplusImage>(std::move(copy));
}

std::unique_ptr<Image> GdiplusGraphics::createImage(int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  auto bitmap = blankBitmap(width, height);
  if (!bitmap) return nullptr;
  return std::make_unique<GdiplusImage>(std::move(bitmap));
}

std::unique_ptr<Canvas> GdiplusGraphics::paintOn(Image& image) {
  auto* picture = dynamic_cast<GdiplusImage*>(&image);
  if (picture == nullptr) return nullptr;
  return std::make_unique<GdiplusCanvas>(picture->bitmap());
}

int GdiplusGraphics::textWidth(std::u16string_view text, const Font& font) {
  if (text.empty()) return 0;
  const auto measureOn = blankBitmap(1, 1);
  if (!measureOn) return 0;
  Gdiplus::Graphics graphics(measureOn.get());
  graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
  const auto gdiFont = gdiplusFont(font);
  Gdiplus::StringFormat format(Gdiplus::StringFormat::GenericTypographic());
  format.SetFormatFlags(format.GetFormatFlags() | Gdiplus::StringFormatFlagsNoWrap |
                        Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
  Gdiplus::RectF bounds;
  graphics.MeasureString(reinterpret_cast<const wchar_t*>(text.data()),
                         static_cast<INT>(text.size()), gdiFont.get(), Gdiplus::PointF(0, 0),
                         &format, &bounds);
  return static_cast<int>(std::ceil(bounds.Width));
}

}  // namespace pelorin
