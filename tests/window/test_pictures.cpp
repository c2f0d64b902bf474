#include "window/test_pictures.h"

#include <fstream>

namespace pelorin::testing {

namespace {

cairo_status_t append(void* closure, const unsigned char* data, unsigned int length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(closure);
  out->insert(out->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}

void putLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> pngBytes(Size size, const std::vector<Patch>& patches) {
  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, size.width, size.height);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  for (const Patch& p : patches) {
    cairo_set_source_rgb(cr, redOf(p.colour) / 255.0, greenOf(p.colour) / 255.0,
                         blueOf(p.colour) / 255.0);
    cairo_rectangle(cr, p.rect.left, p.rect.top, p.rect.width(), p.rect.height());
    cairo_fill(cr);
  }
  cairo_destroy(cr);
  std::vector<std::uint8_t> bytes;
  cairo_surface_write_to_png_stream(surface, append, &bytes);
  cairo_surface_destroy(surface);
  return bytes;
}

void writePng(const std::filesystem::path& path, Size size, const std::vector<Patch>& patches) {
  const auto bytes = pngBytes(size, patches);
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> bmpBytes(Size size, Colour colour) {
  const int rowBytes = (size.width * 3 + 3) & ~3;
  const auto imageBytes = static_cast<std::uint32_t>(rowBytes * size.height);
  std::vector<std::uint8_t> out{'B', 'M'};
  putLe(out, 54 + imageBytes, 4);
  putLe(out, 0, 4);
  putLe(out, 54, 4);
  putLe(out, 40, 4);
  putLe(out, static_cast<std::uint32_t>(size.width), 4);
  putLe(out, static_cast<std::uint32_t>(size.height), 4);
  putLe(out, 1, 2);
  putLe(out, 24, 2);
  putLe(out, 0, 4);
  putLe(out, imageBytes, 4);
  for (int i = 0; i < 4; ++i) putLe(out, 0, 4);
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      out.push_back(blueOf(colour));
      out.push_back(greenOf(colour));
      out.push_back(redOf(colour));
    }
    for (int pad = size.width * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

}  // namespace pelorin::testing
