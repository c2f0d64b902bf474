#include "skin/v_scroll_bar.h"

#include <algorithm>
#include <cmath>

#include "skin/notify_code.h"
#include "skin/scaled_length.h"
#include "skin/skin_images.h"
#include "skin/strip_frame.h"

namespace pelorin {

namespace {

constexpr int kArrowFrames = 3;  // normal, over, down
constexpr Colour kBackground = 0x101010;
constexpr Colour kThumbEdgeHot = 0xDEA035;
constexpr Colour kThumbEdge = 0x1F1F1F;
constexpr Colour kThumbFillHot = 0x1F1F1F;
constexpr Colour kThumbFill = 0x323232;

int roundedShare(int part, int whole, int length) {
  return static_cast<int>(std::lround(static_cast<double>(part) / whole * length));
}

}  // namespace

CVScrollBar::CVScrollBar(const SkinContext& context, WindowId parent, int id, const Rect& rect)
    : CControlBase(context, parent, id, rect),
      upImage_(loadResourceImage(context, kUpArrowResource)),
      downImage_(loadResourceImage(context, kDownArrowResource)) {
  layoutParts();
}

void CVScrollBar::setRect(const Rect& rect) {
  CControlBase::setRect(rect);
  layoutParts();
}

void CVScrollBar::layoutParts() {
  const Rect& r = rect();
  // Arrows keep their frame's proportions at the bar's width; without a picture they are square.
  const Image* strip = upImage_ != nullptr ? upImage_.get() : downImage_.get();
  int arrow = r.width();
  if (strip != nullptr && stripFrameWidth(*strip, kArrowFrames) > 0) {
    arrow = strip->height() * r.width() / stripFrameWidth(*strip, kArrowFrames);
  }
  arrow = std::min(arrow, r.height() / 2);
  up_ = Rect{r.left, r.top, r.right, r.top + arrow};
  down_ = Rect{r.left, r.bottom - arrow, r.right, r.bottom};
  trackTop_ = up_.bottom;
  trackBottom_ = down_.top - 1;
  thumb_ = Rect{r.left, trackTop_, r.right, trackBottom_ + 1};
  placeThumb();
}

void CVScrollBar::setModel(int position, int page, int range) {
  position_ = position;
  page_ = page;
  range_ = range;
  placeThumb();
  invalidate();
}

void CVScrollBar::placeThumb() {
  if (range_ == 0 || track() <= 0) return;  // an empty model leaves the thumb where it was
  const int top = trackTop_ + roundedShare(position_, range_, track());
  const int length = std::min(track(), roundedShare(page_, range_, track()));
  const int bottom = std::min(trackBottom_, top + length - 1);
  thumb_ = Rect{rect().left, top, rect().right, bottom + 1};
}

CVScrollBar::Part CVScrollBar::partAt(int x, int y) const {
  if (!rect().contains(x, y)) return Part::None;
  if (up_.contains(x, y)) return Part::UpArrow;
  if (down_.contains(x, y)) return Part::DownArrow;
  if (y < thumb_.top) return Part::AboveThumb;
  if (y >= thumb_.bottom) return Part::BelowThumb;
  return Part::Thumb;
}

bool CVScrollBar::onMouseMove(unsigned, int x, int y) {
  const Part before = hovered_;
  hovered_ = partAt(x, y);
  if (pressed_ == Part::Thumb) {
    dragTo(y);
    return true;
  }
  return hovered_ != before;
}

void CVScrollBar::dragTo(int y) {
  const int height = thumb_.height();
  const int top =
      std::clamp(y - grabOffset_, trackTop_, std::max(trackTop_, trackBottom_ + 1 - height));
  thumb_ = Rect{rect().left, top, rect().right, top + height};
  const int position = static_cast<int>(static_cast<long>(top - trackTop_) * range_ / track());
  if (position == position_) return;
  position_ = position;
  notify(notify::kDragged);
}

bool CVScrollBar::onLButtonDown(unsigned, int x, int y) {
  pressed_ = partAt(x, y);
  hovered_ = pressed_;
  switch (pressed_) {
    case Part::UpArrow:
      notify(notify::kPressed, notify::kScrollLineUp);
      break;
    case Part::DownArrow:
      notify(notify::kPressed, notify::kScrollLineDown);
      break;
    case Part::AboveThumb:
      notify(notify::kPressed, notify::kScrollPageUp);
      break;
    case Part::BelowThumb:
      notify(notify::kPressed, notify::kScrollPageDown);
      break;
    case Part::Thumb:
      grabOffset_ = y - thumb_.top;
      notify(notify::kPressed, notify::kScrollThumb);
      break;
    case Part::None:
      return false;
  }
  return true;
}

bool CVScrollBar::onLButtonUp(unsigned, int x, int y) {
  if (pressed_ == Part::None) return false;
  pressed_ = Part::None;
  hovered_ = partAt(x, y);
  notify(notify::kClicked);
  return true;
}

int CVScrollBar::resetPressed(int) {
  if (pressed_ != Part::None) invalidate();
  pressed_ = Part::None;
  return 0;
}

void CVScrollBar::releaseImages() {
  upImage_.reset();
  downImage_.reset();
}

void CVScrollBar::drawArrow(Canvas& canvas, const Image* strip, const Rect& dest, Part part) const {
  if (strip == nullptr) return;
  const int frame = pressed_ == part ? 2 : hovered_ == part ? 1 : 0;
  drawStripFrame(canvas, *strip, kArrowFrames, frame, dest);
}

void CVScrollBar::draw(Canvas& canvas, const Rect&) {
  canvas.fillRect(rect(), kBackground);
  drawArrow(canvas, upImage_.get(), up_, Part::UpArrow);
  drawArrow(canvas, downImage_.get(), down_, Part::DownArrow);
  if (thumb_.empty()) return;
  const bool hot = hovered_ == Part::Thumb || pressed_ == Part::Thumb;
  const int inset = std::max(1, scaledLength(context(), 1));
  canvas.fillRect(thumb_, hot ? kThumbEdgeHot : kThumbEdge);
  const Rect inner{thumb_.left + inset, thumb_.top + inset, thumb_.right - inset,
                   thumb_.bottom - inset};
  if (!inner.empty()) canvas.fillRect(inner, hot ? kThumbFillHot : kThumbFill);
}

}  // namespace pelorin
