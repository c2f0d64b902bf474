#include "skin/button_images.h"

#include <algorithm>

#include "skin/skin_images.h"
#include "skin/strip_frame.h"

namespace pelorin {

bool ButtonImages::keep(std::unique_ptr<Image>& slot, std::unique_ptr<Image> image) {
  slot = std::move(image);
  if (slot == nullptr) return false;
  width_ = slot->width();
  height_ = slot->height();
  return true;
}

bool ButtonImages::loadNormal(const SkinContext& context, std::string_view fileName) {
  return keep(normal_, loadSkinImage(context, fileName));
}

bool ButtonImages::loadOver(const SkinContext& context, std::string_view fileName) {
  return keep(over_, loadSkinImage(context, fileName));
}

bool ButtonImages::loadDown(const SkinContext& context, std::string_view fileName) {
  return keep(down_, loadSkinImage(context, fileName));
}

bool ButtonImages::loadStrip(const SkinContext& context, std::string_view fileName, int frames) {
  frames_ = std::max(1, frames);
  return keep(strip_, loadSkinImage(context, fileName));
}

bool ButtonImages::loadStripResource(const SkinContext& context, int resourceId, int frames) {
  frames_ = std::max(1, frames);
  return keep(strip_, loadResourceImage(context, resourceId));
}

void ButtonImages::release() {
  strip_.reset();
  normal_.reset();
  over_.reset();
  down_.reset();
}

// A frame the strip does not have draws nothing rather than borrowing a neighbour's look.
void ButtonImages::drawFrame(Canvas& canvas, const Rect& dest, int frame) const {
  if (strip_ == nullptr || frame < 0 || frame >= frames_) return;
  if (stripFrameWidth(*strip_, frames_) <= 0) return;
  drawStripFrame(canvas, *strip_, frames_, frame, dest);
}

void ButtonImages::drawLook(Canvas& canvas, const Rect& dest, ButtonState look) const {
  const Image* image = normal_.get();
  if (look == ButtonState::Over) image = over_.get();
  if (look == ButtonState::Down) image = down_ != nullptr ? down_.get() : over_.get();
  if (image != nullptr) canvas.drawImage(*image, dest);
}

void ButtonImages::draw(Canvas& canvas, const Rect& dest, ButtonState look) const {
  if (strip_ != nullptr) {
    drawFrame(canvas, dest, static_cast<int>(look));
  } else {
    drawLook(canvas, dest, look);
  }
}

}  // namespace pelorin
