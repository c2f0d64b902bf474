#include "skin/dialog_background.h"

#include <algorithm>
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

int backgroundMargin(Size background, Size dialog) {
  if (background.width < dialog.width || background.height < dialog.height) {
    return std::min({background.width, background.height, 100});
  }
  return 0;
}

std::unique_ptr<Image> scaleBackground(Graphics& graphics, const Image& background, int margin,
                                       float scale) {
  const int width = static_cast<int>(static_cast<float>(background.width() - margin) * scale);
  const int height = static_cast<int>(static_cast<float>(background.height() - margin) * scale);
  if (width <= 0 || height <= 0) return nullptr;
  auto scaled = graphics.createImage(width, height);
  const auto canvas = graphics.paintOn(*scaled);
  if (canvas == nullptr) return nullptr;
  canvas->fillRect(Rect{0, 0, scaled->width(), scaled->height()}, 0);
  const auto along = [](int part, int whole, int target) {
    return static_cast<int>(static_cast<long long>(part) * target / whole);
  };
  const Rect dest{0, 0, along(background.width(), kBackgroundDesignArea.width, width),
                  along(background.height(), kBackgroundDesignArea.height, height)};
  canvas->drawImage(background, dest);
  return scaled;
}

}  // namespace pelorin
