#pragma once
// The interface font shared by every skinned window and control. The language decides it once at
// start-up, so it travels with the language table rather than with any window.
#include <string>

namespace pelorin {

struct UiFont {
  std::u16string face = u"宋体";
  int height = 12;
  int charset = 134;

  friend bool operator==(const UiFont&, const UiFont&) = default;
};

// The font for a language whose text 0 is languageName, at the interface scale (1, 1.5 or 2).
UiFont fontForLanguage(std::u16string_view languageName, double scale);

}  // namespace pelorin
