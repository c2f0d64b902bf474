#include "skin/dpi_radio_button.h"

#include <string>

namespace pelorin {

namespace {

// A level that is switched off is drawn dimmed; it takes no input anyway.
constexpr Colour kDisabledColour = 0x646464;

std::u16string decimal(int value) {
  const std::string digits = std::to_string(value);
  return {digits.begin(), digits.end()};
}

}  // namespace

CDPIRadioButton::CDPIRadioButton(const SkinContext& context, WindowId parent, int id,
                                 const Rect& rect, DpiLevels& levels)
    : CSkinButton(context, parent, id, rect, CaptionStyle{text::kCenter, 0, 0}), levels_(levels) {}

void CDPIRadioButton::setValue(int stepValue) {
  setText(decimal(stepValue * kResolutionStep));
}

void CDPIRadioButton::setTextColour(Colour colour) {
  if (colour == colour_) return;
  colour_ = colour;
  invalidate();
}

Colour CDPIRadioButton::textColour() const {
  return disabled() ? kDisabledColour : colour_;
}

void CDPIRadioButton::clicked() {
  levels_.choose(level());
  notify(notify::kClicked);
}

}  // namespace pelorin
