#pragma once
// A skin picture stretched over its rectangle, such as the bar under a slider.
#include <memory>
#include <string_view>

#include "platform/image.h"
#include "skin/control_base.h"

namespace pelorin {

class CStaticImage : public CControlBase {
 public:
  // A picture that cannot be loaded leaves the control blank.
  CStaticImage(const SkinContext& context, WindowId parent, int id, const Rect& rect,
               std::string_view fileName);

  bool hasImage() const { return image_ != nullptr; }
  void draw(Canvas& canvas, const Rect& clip) override;
  void releaseImages() override { image_.reset(); }

 private:
  std::unique_ptr<Image> image_;
};

}  // namespace pelorin
