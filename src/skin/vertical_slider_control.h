#pragma once
// A slider standing upright, filled from the bottom up to its thumb: the first stop is at the
// bottom, so higher values stand higher.
#include <memory>
#include <string_view>

#include "skin/slider_control.h"

namespace pelorin {

class CVerticalSliderControl : public CSliderControl {
 public:
  using CSliderControl::CSliderControl;

  // The empty bar and the bar as filled; both are stretched to the whole control.
  void loadBar(std::string_view trackFile, std::string_view fillFile);

  void draw(Canvas& canvas, const Rect& clip) override;
  void releaseImages() override;

 protected:
  int offsetOf(int x, int y) const override;
  int length() const override;
  Rect thumbAround(int stop) const override;
  int thickness() const override;

 private:
  std::unique_ptr<Image> track_;
  std::unique_ptr<Image> fill_;
};

}  // namespace pelorin
