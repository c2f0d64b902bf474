#include "skin/link_button.h"

namespace pelorin {

CLinkButton::CLinkButton(const SkinContext& context, WindowId parent, const Rect& rect,
                         CaptionStyle style)
    : CSkinButton(context, parent, kId, rect, style) {}

std::u16string_view CLinkButton::caption() const {
  return images().hasStrip() ? std::u16string_view{} : std::u16string_view(text());
}

bool CLinkButton::onMouseMove(unsigned flags, int x, int y) {
  const bool repaint = CSkinButton::onMouseMove(flags, x, y);
  if (disabled()) return repaint;
  const bool inside = rect().contains(x, y);
  if (inside != inside_) {
    inside_ = inside;
    notify(inside ? notify::kPointerEntered : notify::kPointerLeft);
  }
  return repaint;
}

}  // namespace pelorin
