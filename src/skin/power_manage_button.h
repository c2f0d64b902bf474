#pragma once
// The power-saving dial: eight sectors around one centre, one per minute value 3 to 10. A click
// in a sector selects its value; the dial shows the picture of the selected value.
#include <array>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/image.h"
#include "skin/skin_button.h"

namespace pelorin {

class CPowerManageButton : public CSkinButton {
 public:
  static constexpr int kId = 3500;
  static constexpr int kMaxValue = 10;
  static constexpr int kInitialValue = 6;

  CPowerManageButton(const SkinContext& context, WindowId parent, const Rect& rect);

  // value 1..10; false when the value is out of range or the picture is missing.
  bool loadValueImage(int value, std::string_view fileName);
  void releaseImages() override;
  int value() const { return value_; }
  // Values outside 1..10 are ignored.
  void setValue(int value);
  // The value of the sector under a point of the dialog, if any.
  std::optional<int> valueAt(int x, int y) const;

  void draw(Canvas& canvas, const Rect& clip) override;
  bool onLButtonUp(unsigned flags, int x, int y) override;

 private:
  std::array<std::unique_ptr<Image>, kMaxValue> images_;
  int value_ = kInitialValue;
};

}  // namespace pelorin
