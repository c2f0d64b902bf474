#include "platform/cairo/cairo_graphics.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <cstring>

#include "common/file_bytes.h"
#include "platform/cairo/cairo_canvas.h"
#include "platform/cairo/cairo_image.h"

namespace pelorin {

namespace {

std::uint32_t premultiplied(const guchar* p, bool hasAlpha) {
  const std::uint32_t a = hasAlpha ? p[3] : 255;
  const auto scale = [a](guchar c) { return (std::uint32_t{c} * a + 127) / 255; };
  return (a << 24) | (scale(p[0]) << 16) | (scale(p[1]) << 8) | scale(p[2]);
}

std::unique_ptr<Image> fromPixbuf(GdkPixbuf* pixbuf) {
  if (pixbuf == nullptr) return nullptr;
  const int width = gdk_pixbuf_get_width(pixbuf);
  const int height = gdk_pixbuf_get_height(pixbuf);
  const bool hasAlpha = gdk_pixbuf_get_has_alpha(pixbuf) != 0;
  const int channels = gdk_pixbuf_get_n_channels(pixbuf);
  const int sourceStride = gdk_pixbuf_get_rowstride(pixbuf);
  const guchar* source = gdk_pixbuf_read_pixels(pixbuf);
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  unsigned char* target = cairo_image_surface_get_data(surface);
  const int targetStride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < height; ++y) {
    const guchar* in = source + static_cast<std::ptrdiff_t>(y) * sourceStride;
    unsigned char* out = target + static_cast<std::ptrdiff_t>(y) * targetStride;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t argb =
          premultiplied(in + static_cast<std::ptrdiff_t>(x) * channels, hasAlpha);
      std::memcpy(out + static_cast<std::ptrdiff_t>(x) * 4, &argb, sizeof argb);
    }
  }
  cairo_surface_mark_dirty(surface);
  g_object_unref(pixbuf);
  return std::make_unique<CairoImage>(surface);
}

}  // namespace

CairoGraphics::CairoGraphics() : fontMap_(createPinnedFontMap()) {}

CairoGraphics::~CairoGraphics() {
  g_object_unref(fontMap_);
}

// Read through the program's one file reader, so a folder or a pipe named like a skin picture is
// a missing picture rather than a read that blocks.
std::unique_ptr<Image> CairoGraphics::loadFile(const std::filesystem::path& path) {
  const auto bytes = readFileBytes(path);
  if (!bytes) return nullptr;
  return decode({reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()});
}

std::unique_ptr<Image> CairoGraphics::decode(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return nullptr;
  GdkPixbufLoader* loader = gdk_pixbuf_loader_new();
  GdkPixbuf* pixbuf = nullptr;
  if (gdk_pixbuf_loader_write(loader, bytes.data(), bytes.size(), nullptr) &&
      gdk_pixbuf_loader_close(loader, nullptr)) {
    pixbuf = gdk_pixbuf_loader_get_pixbuf(loader);
    if (pixbuf != nullptr) g_object_ref(pixbuf);
  } else {
    gdk_pixbuf_loader_close(loader, nullptr);
  }
  g_object_unref(loader);
  return fromPixbuf(pixbuf);
}

std::unique_ptr<Image> CairoGraphics::createImage(int width, int height) {
  return std::make_unique<CairoImage>(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(width, 0), std::max(height, 0)));
}

int CairoGraphics::textWidth(std::u16string_view text, const Font& font) {
  return textAdvance(fontMap_, text, font);
}

std::unique_ptr<Canvas> CairoGraphics::paintOn(Image& image) {
  auto* picture = dynamic_cast<CairoImage*>(&image);
  if (picture == nullptr) return nullptr;
  return std::make_unique<CairoCanvas>(picture->surface(), fontMap_);
}

}  // namespace pelorin
