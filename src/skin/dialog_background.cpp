#include "skin/dialog_background.h"

#include <cstdint>

namespace pelorin {

Colour averageColour(const Image& image) {
  const std::uint64_t count =
      static_cast<std::uint64_t>(image.width()) * static_cast<std::uint64_t>(image.height());
  if (count == 0) return 0;
  std::uint64_t red = 0;
  std::uint64_t green = 0;
  std::uint64_t blue = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const Colour c = image.pixel(x, y);
      red += redOf(c);
      green += greenOf(c);
      blue += blueOf(c);
    }
  }
  return rgb(static_cast<std::uint8_t>(red / count), static_cast<std::uint8_t>(green / count),
             static_cast<std::uint8_t>(blue / count));
}

std::unique_ptr<Image> scaleBackground(Graphics& graphics, const Image& background, Size client) {
  if (client.width <= 0 || client.height <= 0) return nullptr;
  auto scaled = graphics.createImage(client.width, client.height);
  const auto canvas = graphics.paintOn(*scaled);
  if (canvas == nullptr) return nullptr;
  const Rect whole{0, 0, client.width, client.height};
  canvas->fillRect(whole, 0);
  canvas->drawImage(background, whole);
  return scaled;
}

}  // namespace pelorin
