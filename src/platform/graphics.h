#pragma once
// Image decoding and offscreen pictures: the part of the window system that needs no window.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string_view>

#include "platform/canvas.h"
#include "platform/image.h"

namespace pelorin {

class Graphics {
 public:
  virtual ~Graphics() = default;
  // PNG or BMP; null when the file is missing or unreadable.
  virtual std::unique_ptr<Image> loadFile(const std::filesystem::path& path) = 0;
  virtual std::unique_ptr<Image> decode(std::span<const std::uint8_t> bytes) = 0;
  // A transparent black picture that can be painted on through paintOn.
  virtual std::unique_ptr<Image> createImage(int width, int height) = 0;
  // The canvas must not outlive the image; null when the image is not from createImage.
  virtual std::unique_ptr<Canvas> paintOn(Image& image) = 0;
  // The advance width of the text on one line, in pixels, as drawText lays it out.
  virtual int textWidth(std::u16string_view text, const Font& font) = 0;
};

}  // namespace pelorin
