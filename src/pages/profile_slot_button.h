#pragma once
// A profile slot of the slot bar: the profile's name on a slot picture, with a second pair of
// pictures for the current profile, and a right click that asks for the slot's action menu.
#include "skin/skin_button.h"

namespace pelorin {

class CProfileSlotButton : public CSkinButton {
 public:
  CProfileSlotButton(const SkinContext& context, WindowId parent, int id, const Rect& rect);

  // The current profile's pictures: normal and over.
  void loadCurrentImages(std::string_view normal, std::string_view over);
  void setCurrent(bool current);
  bool current() const { return current_; }

  void draw(Canvas& canvas, const Rect& clip) override;
  bool onRButtonUp(unsigned flags, int x, int y) override;
  void releaseImages() override;

 protected:
  Colour textColour() const override;

 private:
  ButtonImages currentImages_;
  bool current_ = false;
};

}  // namespace pelorin
