#pragma once
// The bar of one DPI level: the empty track with the fill standing as high as the level's step
// in the sensor's table. A click on it asks the owner for the value dialog, which writes the
// chosen step back here.
#include <memory>
#include <string_view>

#include "platform/image.h"
#include "skin/control_base.h"

namespace pelorin {

class CDPIValueShowControl : public CControlBase {
 public:
  CDPIValueShowControl(const SkinContext& context, WindowId parent, int id, const Rect& rect);

  // Both are stretched over the control; the fill is cut at its height, not squeezed.
  void loadBar(std::string_view trackFile, std::string_view fillFile);
  // The number of steps of the sensor's table; the index is clamped into it.
  void setStepCount(int count);
  int stepCount() const { return count_; }
  void setStepIndex(int index);
  int stepIndex() const { return index_; }
  // The first row of the fill: the last step fills the whole bar, the first one step's share.
  int fillTop() const;

  void draw(Canvas& canvas, const Rect& clip) override;
  bool onLButtonDown(unsigned flags, int x, int y) override;
  bool onLButtonUp(unsigned flags, int x, int y) override;
  int resetPressed(int state) override;
  void releaseImages() override;

 private:
  std::unique_ptr<Image> track_;
  std::unique_ptr<Image> fill_;
  int count_ = 1;
  int index_ = 0;
  bool pressed_ = false;
};

}  // namespace pelorin
