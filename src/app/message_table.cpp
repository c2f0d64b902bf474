#include "app/message_table.h"

#include <array>

namespace pelorin {
namespace {

using enum MessageOwner;

constexpr std::array<MessageRange, 44> kMessageTable = {{
    // The window: second start, window buttons, slot bar, header captions and group headers.
    {2999, 2999, Window},
    {2001, 2002, Window},
    {2045, 2053, Window},
    {2062, 2062, Window},
    {2068, 2071, Window},
    {2075, 2076, Window},
    {3001, 3004, Window},
    {3007, 3012, Window},
    {3021, 3022, Window},
    {3100, 3100, Window},
    {3400, 3400, Window},
    {3502, 3503, Window},
    {3330, 3330, Window},
    {1056, 1056, Window},
    {1124, 1127, Window},
    {1164, 1164, Window},
    // The on-screen display after a change made on the mouse.
    {1067, 1067, Window},
    // Button assignment combos, their menus and dialogs.
    {2013, 2021, Buttons},
    {1027, 1045, Buttons},
    {1057, 1057, Buttons},
    {1061, 1066, Buttons},
    {1154, 1163, Buttons},
    {1165, 1165, Buttons},
    // DPI group.
    {3260, 3307, Dpi},
    // Lighting group.
    {3120, 3120, Lighting},
    {1144, 1146, Lighting},
    {3161, 3164, Lighting},
    {3180, 3191, Lighting},
    {3200, 3250, Lighting},
    // Polling rate group.
    {3030, 3033, Polling},
    {3110, 3110, Polling},
    {1134, 1136, Polling},
    {3142, 3145, Polling},
    // Lift-off distance, debounce time.
    {3510, 3521, LiftOff},
    {3530, 3532, Debounce},
    // Windows pointer settings.
    {2009, 2010, Pointer},
    {2030, 2030, Pointer},
    {2041, 2044, Pointer},
    {3130, 3141, Pointer},
    // Power-saving area.
    {3500, 3501, Power},
    {3504, 3504, Power},
    {3407, 3407, Power},
    // Battery area; its legend texts share 3402 with the power captions.
    {3401, 3402, Battery},
    {3405, 3406, Battery},
}};

}  // namespace

std::optional<MessageOwner> messageOwner(int id) {
  for (const auto& range : kMessageTable) {
    if (id >= range.first && id <= range.last) return range.owner;
  }
  return std::nullopt;
}

}  // namespace pelorin
