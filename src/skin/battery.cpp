#include "skin/battery.h"

#include <algorithm>

#include "skin/notify_code.h"
#include "skin/scaled_length.h"
#include "skin/skin_images.h"

namespace pelorin {

CBattery::CBattery(const SkinContext& context, WindowId parent, const Rect& rect)
    : CControlBase(context, parent, kId, rect),
      full_(loadSkinImage(context, "skins\\battery_full.png")),
      empty_(loadSkinImage(context, "skins\\battery_empty.png")),
      charging_(loadSkinImage(context, "skins\\battery_charging.png")),
      bolt_(loadSkinImage(context, "skins\\battery_lighting.png")) {}

void CBattery::setCharge(int chargeState, int percent) {
  chargeState_ = chargeState;
  percent_ = std::clamp(percent, 0, 100);
  invalidate();
}

void CBattery::advanceAnimation() {
  animationStep_ = animationStep_ >= 100 ? 25 : animationStep_ + 25;
  invalidate();
}

int CBattery::fillStartRow(int level) const {
  const int filled = std::max(1, level * kFillHeight / 100);
  const float scale = context().scale;
  int y = rect().top + scaledLength(context(), kFillTop + kFillHeight - filled);
  // At fractional scales an odd strip would cut the picture between two rows.
  if (scale > 1.0f && (rect().bottom - y) % 2 != 0) --y;
  return y;
}

void CBattery::drawFill(Canvas& canvas, const Image* picture, int level) const {
  if (picture == nullptr) return;
  const int y = fillStartRow(level);
  const double scale = context().scale;
  const int sourceTop = static_cast<int>(picture->height() - (rect().bottom - y) / scale);
  canvas.drawImage(*picture, Rect{rect().left, y, rect().right, rect().bottom},
                   Rect{0, std::max(0, sourceTop), picture->width(), picture->height()});
}

void CBattery::draw(Canvas& canvas, const Rect&) {
  switch (static_cast<Charge>(chargeState_)) {
    case Charge::Discharging:
      if (empty_ != nullptr) canvas.drawImage(*empty_, rect());
      drawFill(canvas, full_.get(), percent_);
      break;
    case Charge::Charging:
      drawFill(canvas, charging_.get(), animationStep_);
      if (bolt_ != nullptr) canvas.drawImage(*bolt_, rect());
      break;
    case Charge::Full:
      if (full_ != nullptr) canvas.drawImage(*full_, rect());
      if (bolt_ != nullptr) canvas.drawImage(*bolt_, rect());
      break;
  }
}

bool CBattery::onLButtonDown(unsigned, int x, int y) {
  if (!rect().contains(x, y)) return false;
  notify(notify::kPressed);
  return false;
}

void CBattery::releaseImages() {
  full_.reset();
  empty_.reset();
  charging_.reset();
  bolt_.reset();
}

}  // namespace pelorin
