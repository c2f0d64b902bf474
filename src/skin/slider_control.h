#pragma once
// A horizontal slider whose thumb rests only on fixed stops. The page that owns it supplies
// the stops (or just their number) and reads the chosen index from the notifications.
#include <memory>
#include <string_view>
#include <vector>

#include "platform/image.h"
#include "skin/control_base.h"

namespace pelorin {

class CSliderControl : public CControlBase {
 public:
  CSliderControl(const SkinContext& context, WindowId parent, int id, const Rect& rect);

  // A strip of three frames: normal, pointer on the thumb, dragging.
  void loadThumb(std::string_view fileName);
  // Pixel offsets along the slider from its start, ascending.
  void setStops(std::vector<int> stops);
  // count stops spread evenly, so that the thumb stays inside the slider at both ends.
  void setStopCount(int count);
  int stopCount() const { return static_cast<int>(stops_.size()); }
  const std::vector<int>& stops() const { return stops_; }
  // Clamped to the stops; repaints.
  void setPosition(int index);
  int position() const { return position_; }
  bool dragging() const { return dragging_; }
  Rect thumbRect() const;

  void draw(Canvas& canvas, const Rect& clip) override;
  bool onMouseMove(unsigned flags, int x, int y) override;
  bool onLButtonDown(unsigned flags, int x, int y) override;
  bool onLButtonUp(unsigned flags, int x, int y) override;
  // Ends a press or a drag without a notification.
  int resetPressed(int state) override;
  void releaseImages() override;

 protected:
  // The axis: how far a dialog point lies along the slider, and the slider's length.
  virtual int offsetOf(int x, int y) const;
  virtual int length() const;
  // The thumb covers stop - lowExtent up to stop + highExtent along the axis.
  virtual Rect thumbAround(int stop) const;
  // Half the slider's thickness below the stop, the rest above it.
  virtual int thickness() const;
  int lowExtent() const { return thickness() / 2; }
  int highExtent() const { return thickness() - lowExtent(); }
  void drawThumb(Canvas& canvas) const;

 private:
  std::unique_ptr<Image> thumb_;
  std::vector<int> stops_;
  int position_ = 0;
  bool dragging_ = false;
  bool pressed_ = false;
  bool onThumb_ = false;
};

}  // namespace pelorin
