#pragma once
// The battery indicator of the main window: an empty battery filled from the bottom by the
// charge, a climbing fill under a bolt while charging, the full battery with the bolt once full.
#include <cstdint>
#include <memory>

#include "platform/image.h"
#include "skin/control_base.h"

namespace pelorin {

class CBattery : public CControlBase {
 public:
  static constexpr int kId = 3406;
  // The fill area of the pictures, in picture rows.
  static constexpr int kFillTop = 7;
  static constexpr int kFillHeight = 50;

  enum class Charge { Discharging = 0, Charging = 1, Full = 2 };

  // Loads the four pictures under skins\ at once; a missing one is simply not drawn.
  CBattery(const SkinContext& context, WindowId parent, const Rect& rect);

  // chargeState as the mouse reports it (0, 1, 2; any other value draws nothing); percent 0..100.
  void setCharge(int chargeState, int percent);
  int chargeState() const { return chargeState_; }
  int percent() const { return percent_; }
  // The charging fill climbs 25, 50, 75, 100 and starts again at 25.
  void advanceAnimation();
  int animationStep() const { return animationStep_; }
  // The first screen row the fill covers for a level of 0..100.
  int fillStartRow(int level) const;

  void draw(Canvas& canvas, const Rect& clip) override;
  // A press reports a click to the owner, as a push button's press does.
  bool onLButtonDown(unsigned flags, int x, int y) override;
  void releaseImages() override;

 private:
  void drawFill(Canvas& canvas, const Image* picture, int level) const;

  std::unique_ptr<Image> full_;
  std::unique_ptr<Image> empty_;
  std::unique_ptr<Image> charging_;
  std::unique_ptr<Image> bolt_;
  int chargeState_ = 0;
  int percent_ = 100;
  int animationStep_ = 25;
};

}  // namespace pelorin
