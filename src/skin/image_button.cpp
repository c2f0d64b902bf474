#include "skin/image_button.h"

namespace pelorin {

bool CImageButton::onMouseMove(unsigned flags, int x, int y) {
  const bool repaint = CSkinButton::onMouseMove(flags, x, y);
  if (id() == kProfileButtonId && !disabled() && state() != ButtonState::Down &&
      rect().contains(x, y)) {
    notify(kPointerMoved);
  }
  return repaint;
}

}  // namespace pelorin
