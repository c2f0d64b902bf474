#include "lang/ui_font.h"

namespace pelorin {

UiFont fontForLanguage(std::u16string_view languageName, double scale) {
  if (languageName == u"中文") return {u"宋体", static_cast<int>(scale * 12), 134};
  return {u"Tahoma", static_cast<int>(scale * 16), 1};
}

}  // namespace pelorin
