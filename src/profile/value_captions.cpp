#include "profile/value_captions.h"

#include <array>

#include "keys/decimal_text.h"
#include "profile/value_domains.h"

namespace pelorin {
namespace {

constexpr std::array<std::u16string_view, 11> kDpiSteps{
    u"200", u"300", u"400", u"500", u"600", u"700", u"800", u"900", u"1000", u"1100", u"1200"};
constexpr std::array<std::u16string_view, 4> kBrightness{u"25%", u"50%", u"75%", u"100%"};
constexpr int kLastDpiOption = 6;

template <typename Table>
std::u16string_view entryOf(const Table& table, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < table.size()
             ? table[static_cast<std::size_t>(index)]
             : std::u16string_view{};
}

}  // namespace

std::u16string_view pollingRateCaption(int rateIndex) {
  const bool known = rateIndex >= 0 && static_cast<std::size_t>(rateIndex) < kPollingRates.size();
  return known ? kPollingRates[static_cast<std::size_t>(rateIndex)].listName
               : std::u16string_view{};
}

std::u16string_view dpiMenuCaption(int position) {
  return entryOf(kDpiSteps, position);
}

std::u16string_view brightnessCaption(int step) {
  return kBrightness[static_cast<std::size_t>(step & 3)];
}

int xDpiOption(const ProfileRecord& record) {
  const int value = record.number(Setting::X_DPI);
  return value >= 0 && value < kLastDpiOption ? value : kLastDpiOption;
}

int keyDebounceSliderPosition(const ProfileRecord& record) {
  return record.number(Setting::KeyDebounce) / 2;
}

std::u16string keyDebounceText(int ms) {
  return decimalText(ms) + u"ms";
}

}  // namespace pelorin
