#pragma once
// One row of a control creation table: what a page creates, where (design pixels, left, top,
// right, bottom) and from which pictures and texts. Pages are tables of these rows.
#include <array>
#include <cstdint>
#include <string_view>

#include "platform/rect.h"

namespace pelorin {

// No language text: the row gives a literal text or none.
constexpr int kNoText = 0;

enum class ControlKind : std::uint8_t {
  Picture,       // static image, images[0]
  Label,         // static text, language text or literal text
  Value,         // static text in the value face ("Tahoma")
  Button,        // image button: normal, over
  Check,         // check box: normal, over, down
  Header,        // group header: a check button whose checked look is the over picture
  Combo,         // combo button opening the popup of `message`
  Radio,         // radio button of the option word: normal, over, down
  Slider,        // horizontal slider, thumb images[0]
  LevelBar,      // vertical DPI bar: track, fill
  LevelValue,    // DPI value display over the bar: track, fill
  ColourButton,  // colour button drawn in its colour
  ColourSlot,    // colour check button: normal, selected
  DpiCaption,    // DPI level caption of the level set
  PowerDial,     // power-saving dial, images "power_manage_<n>min"
  Battery,       // battery indicator with its own pictures
  Link,          // the web address
  Caption,       // a picture with a caption that takes no input: normal, over
  ProfileSlot,   // profile slot: normal, over, current normal, current over
};

struct ControlRow {
  int id = 0;
  ControlKind kind = ControlKind::Picture;
  Rect rect;
  std::array<const char*, 4> images{};
  int textId = 0;                   // language text; 0 for none
  std::u16string_view text{};       // literal text, after the language text when both are given
  unsigned message = 0;             // the popup message of a combo
  std::uint32_t colour = 0xB4B4B4;  // text colour of labels and values
};

}  // namespace pelorin
