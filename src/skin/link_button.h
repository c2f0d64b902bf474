#pragma once
// The web-address link of the main window: a caption in the look's colours (or a strip when one
// is loaded) that tells its owner when the pointer comes and goes, so the owner can change the
// cursor.
#include "skin/skin_button.h"

namespace pelorin {

class CLinkButton : public CSkinButton {
 public:
  static constexpr int kId = 3503;

  CLinkButton(const SkinContext& context, WindowId parent, const Rect& rect,
              CaptionStyle style = {});

  bool onMouseMove(unsigned flags, int x, int y) override;

 protected:
  std::u16string_view caption() const override;

 private:
  bool inside_ = false;
};

}  // namespace pelorin
