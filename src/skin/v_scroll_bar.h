#pragma once
// The vertical scroll bar beside the macro lists. It only reports what the user asks for; the
// owner does the scrolling and hands the result back through setModel.
#include <memory>

#include "platform/image.h"
#include "skin/control_base.h"

namespace pelorin {

class CVScrollBar : public CControlBase {
 public:
  static constexpr int kUpArrowResource = 188;
  static constexpr int kDownArrowResource = 187;

  CVScrollBar(const SkinContext& context, WindowId parent, int id, const Rect& rect);

  // Places the thumb for the model and repaints.
  void setModel(int position, int page, int range);
  int position() const { return position_; }
  int page() const { return page_; }
  int range() const { return range_; }
  const Rect& thumbRect() const { return thumb_; }
  const Rect& upArrowRect() const { return up_; }
  const Rect& downArrowRect() const { return down_; }

  void setRect(const Rect& rect) override;
  void draw(Canvas& canvas, const Rect& clip) override;
  bool onMouseMove(unsigned flags, int x, int y) override;
  bool onLButtonDown(unsigned flags, int x, int y) override;
  bool onLButtonUp(unsigned flags, int x, int y) override;
  // Ends a press or a thumb drag without a notification.
  int resetPressed(int state) override;
  void releaseImages() override;

 private:
  enum class Part { None, UpArrow, DownArrow, AboveThumb, BelowThumb, Thumb };

  void layoutParts();
  void placeThumb();
  void dragTo(int y);
  Part partAt(int x, int y) const;
  int track() const { return trackBottom_ - trackTop_ + 1; }
  void drawArrow(Canvas& canvas, const Image* strip, const Rect& dest, Part part) const;

  std::unique_ptr<Image> upImage_;
  std::unique_ptr<Image> downImage_;
  Rect up_;
  Rect down_;
  // Inclusive pixel rows between the arrows.
  int trackTop_ = 0;
  int trackBottom_ = 0;
  Rect thumb_;
  Part hovered_ = Part::None;
  Part pressed_ = Part::None;
  int grabOffset_ = 0;
  int position_ = 0;
  int page_ = 1;
  int range_ = 1;
};

}  // namespace pelorin
