#include "skin/static_image.h"

#include "skin/skin_images.h"

namespace pelorin {

CStaticImage::CStaticImage(const SkinContext& context, WindowId parent, int id, const Rect& rect,
                           std::string_view fileName)
    : CControlBase(context, parent, id, rect), image_(loadSkinImage(context, fileName)) {
  // A picture only shows; a press on it drags the window like one on the background.
  setHoverable(false);
  setHitTestable(false);
}

void CStaticImage::draw(Canvas& canvas, const Rect&) {
  if (image_ != nullptr) canvas.drawImage(*image_, rect());
}

}  // namespace pelorin
