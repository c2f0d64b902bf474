#pragma once
// A language table whose text n reads "T<n>", so a test can see which text a caption took.
#include <string>

#include "keys/decimal_text.h"
#include "lang/language_table.h"

namespace pelorin::testing {

inline LanguageTable filledLanguage() {
  LanguageTable texts;
  for (int id = 0; id < LanguageTable::kSize; ++id) texts.set(id, u"T" + decimalText(id));
  return texts;
}

}  // namespace pelorin::testing
