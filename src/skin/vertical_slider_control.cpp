#include "skin/vertical_slider_control.h"

#include "skin/skin_images.h"

namespace pelorin {

void CVerticalSliderControl::loadBar(std::string_view trackFile, std::string_view fillFile) {
  track_ = loadSkinImage(context(), trackFile);
  fill_ = loadSkinImage(context(), fillFile);
}

int CVerticalSliderControl::offsetOf(int, int y) const {
  return rect().bottom - 1 - y;
}

int CVerticalSliderControl::length() const {
  return rect().height();
}

int CVerticalSliderControl::thickness() const {
  return rect().width();
}

Rect CVerticalSliderControl::thumbAround(int stop) const {
  const int base = rect().bottom - 1;
  return Rect{rect().left, base - stop - highExtent() + 1, rect().right,
              base - stop + lowExtent() + 1};
}

void CVerticalSliderControl::draw(Canvas& canvas, const Rect&) {
  const Rect& r = rect();
  if (track_ != nullptr) canvas.drawImage(*track_, r);
  const Rect thumb = thumbRect();
  if (fill_ != nullptr && !thumb.empty() && r.height() > 0) {
    // The fill picture is cut at the same height as the control, not squeezed.
    const Rect filled{r.left, thumb.top, r.right, r.bottom};
    const int sourceTop = (filled.top - r.top) * fill_->height() / r.height();
    canvas.drawImage(*fill_, filled, Rect{0, sourceTop, fill_->width(), fill_->height()});
  }
  drawThumb(canvas);
}

void CVerticalSliderControl::releaseImages() {
  track_.reset();
  fill_.reset();
  CSliderControl::releaseImages();
}

}  // namespace pelorin
