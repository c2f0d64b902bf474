#pragma once
// Fixed caption tables shared by the menus and pages, and the ways pages read a pair back.
#include <string>
#include <string_view>

#include "profile/profile_record.h"

namespace pelorin {

// Rate index 0..3 gives "125Hz" .. "1000Hz"; other indices give the empty text.
std::u16string_view pollingRateCaption(int rateIndex);
// Position 0..10 of the DPI menu gives "200" .. "1200"; other positions the empty text.
std::u16string_view dpiMenuCaption(int position);
// Any step is taken modulo 4: "25%", "50%", "75%", "100%".
std::u16string_view brightnessCaption(int step);

// Which of the seven DPI option buttons the record selects: values outside 0..6 pick the last.
int xDpiOption(const ProfileRecord& record);
// The debounce slider shows half of the stored milliseconds.
int keyDebounceSliderPosition(const ProfileRecord& record);
std::u16string keyDebounceText(int ms);

}  // namespace pelorin
