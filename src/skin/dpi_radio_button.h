#pragma once
// The caption under a DPI level's bar: shows the level's resolution, checked while its level is
// switched on in the shared level state. Its colour is the page's (the current level is red).
#include "skin/dpi_levels.h"
#include "skin/skin_button.h"

namespace pelorin {

class CDPIRadioButton : public CSkinButton {
 public:
  // Level k has id kFirstId + k.
  static constexpr int kFirstId = 3290;
  static constexpr int kResolutionStep = 50;

  // levels must outlive the button.
  CDPIRadioButton(const SkinContext& context, WindowId parent, int id, const Rect& rect,
                  DpiLevels& levels);

  int level() const { return id() - kFirstId; }
  bool marked() const { return levels_.on(level()); }
  // The DPI step value; the caption shows it times 50.
  void setValue(int stepValue);
  void setTextColour(Colour colour);

 protected:
  ButtonState look() const override { return marked() ? ButtonState::Down : state(); }
  void clicked() override;
  Colour textColour() const override;

 private:
  DpiLevels& levels_;
  Colour colour_ = captionColour(ButtonState::Normal);
};

}  // namespace pelorin
