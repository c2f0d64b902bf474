// Any bytes as a language file or a language settings file: loading must never crash or store
// outside the table.
#include <cstdint>
#include <string_view>

#include "lang/change_language.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pelorin;
  const auto lines = CStdioFileEx::decode({reinterpret_cast<const char*>(data), size});
  LanguageTable texts;
  loadLanguageLines(lines, texts);
  (void)fontForLanguage(texts[0], 1.5);
  (void)readLanguageCode(lines);
  return 0;
}
