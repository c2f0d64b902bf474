#include "lang/change_language.h"

#include "common/line_reader.h"
#include "keys/decimal_text.h"

namespace pelorin {
namespace {

constexpr std::u16string_view kSettingsHeader = u"[ChangeLanguage]";
constexpr std::u16string_view kLanguageHeader = u"[Setting]";

// Both sides of the "=" must hold something.
constexpr KeyValueRule kEntry{.needsKey = true, .needsValue = true};

}  // namespace

std::u16string readLanguageCode(const CStdioFileEx::Lines& settings) {
  LineReader reader(settings);
  if (!reader.header(kSettingsHeader)) return {};
  const auto code = reader.value(kEntry);
  return code ? std::u16string(*code) : std::u16string{};
}

bool loadLanguageLines(const CStdioFileEx::Lines& lines, LanguageTable& texts) {
  LineReader reader(lines);
  if (!reader.header(kLanguageHeader)) return false;
  while (!reader.atEnd()) {
    const auto entry = reader.field(kEntry);
    if (!entry) return false;
    // Ids outside the table are ignored by it.
    texts.set(leadingInt(entry->key), std::u16string(entry->value));
  }
  return true;
}

bool changeLanguage(const std::filesystem::path& configFolder, double scale, LanguageTable& texts,
                    UiFont& font) {
  const auto settings = CStdioFileEx::readLines(configFolder / kLanguageSettingName);
  const auto code = settings ? readLanguageCode(*settings) : std::u16string{};
  const char* fileName = code == u"EN" ? kEnglishFileName : kOtherLanguageFileName;
  const auto lines = CStdioFileEx::readLines(configFolder / fileName);
  if (!lines || !loadLanguageLines(*lines, texts)) return false;
  font = fontForLanguage(texts[0], scale);
  return true;
}

}  // namespace pelorin
