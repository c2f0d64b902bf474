#include "lang/change_language.h"

#include <cstdint>
#include <optional>

namespace pelorin {
namespace {

constexpr std::u16string_view kSettingsHeader = u"[ChangeLanguage]";
constexpr std::u16string_view kLanguageHeader = u"[Setting]";

// "key=value" with a non-empty key and a non-empty value; the position of the first "=".
std::optional<std::size_t> keyedSplit(std::u16string_view line) {
  const auto at = line.find(u'=');
  if (at == std::u16string_view::npos || at < 1 || at + 2 > line.size()) return std::nullopt;
  return at;
}

// Leading-number semantics; ids far outside the table saturate and are then ignored.
int textId(std::u16string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == u' ' || text[at] == u'\t')) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) negative = text[at++] == u'-';
  std::int64_t value = 0;
  for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
    value = value * 10 + (text[at] - u'0');
    if (value > LanguageTable::kSize) value = LanguageTable::kSize;
  }
  return static_cast<int>(negative ? -value : value);
}

}  // namespace

std::u16string readLanguageCode(const CStdioFileEx::Lines& settings) {
  if (settings.size() < 2 || settings[0] != kSettingsHeader) return {};
  const auto at = keyedSplit(settings[1]);
  return at ? settings[1].substr(*at + 1) : std::u16string{};
}

bool loadLanguageLines(const CStdioFileEx::Lines& lines, LanguageTable& texts) {
  if (lines.empty() || lines[0] != kLanguageHeader) return false;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const auto at = keyedSplit(lines[i]);
    if (!at) return false;
    const std::u16string_view line = lines[i];
    texts.set(textId(line.substr(0, *at)), std::u16string(line.substr(*at + 1)));
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
