#pragma once
// One table per value domain: what the profile stores, what the mouse receives, the caption the
// window shows, the word `pelorinctl` takes and prints, and the control that chooses it. The
// pages, the captions, the device commands and pelorinctl all read these rows, so a value one of
// them accepts the others accept too.
#include <array>
#include <cstdint>
#include <string_view>

namespace pelorin {

struct PollingRate {
  std::uint8_t stored;           // first byte of PollingRateValue
  std::uint8_t intervalMs;       // SetPollingRate's byte, also what an event report carries
  int hz;                        // pelorinctl's word
  int captionTextId;             // the caption under the rate button
  std::u16string_view name;      // PollingRateName written by the rate buttons
  std::u16string_view listName;  // the rate list's row, written too when the mouse reports
  int controlId;                 // the rate button
};

inline constexpr std::array<PollingRate, 4> kPollingRates = {{
    {0, 8, 125, 261, u"125HZ", u"125Hz", 3030},
    {1, 4, 250, 262, u"250HZ", u"250Hz", 3031},
    {2, 2, 500, 263, u"500HZ", u"500Hz", 3032},
    {3, 1, 1000, 264, u"1000HZ", u"1000Hz", 3033},
}};

// A stored index past the table stands for the fastest rate.
const PollingRate& pollingRateOf(std::uint8_t stored);
// The rate whose interval the mouse reported; any other interval is the fastest rate.
const PollingRate& pollingRateOfInterval(std::uint8_t intervalMs);
const PollingRate* pollingRateOfHz(int hz);

struct LiftOffHeight {
  int stored;  // LiftDetectionHeight; the mouse receives 1 for 1 and 2 for anything else
  const char* word;
  int captionTextId;
  int controlId;
};
inline constexpr std::array<LiftOffHeight, 2> kLiftOffHeights = {{
    {1, "low", 270, 3510},
    {2, "high", 271, 3511},
}};

// Lighting speed: stored 0..14, shown and typed 1..15; the mouse takes the step plus one in a
// nibble.
inline constexpr int kLightingSpeedSteps = 15;
// Lighting brightness: stored 0..3 and read modulo 4, shown and typed as a percentage.
inline constexpr std::array<int, 4> kBrightnessPercent = {25, 50, 75, 100};

// Power-down time of the wireless mouse, minutes.
inline constexpr int kFirstPowerDownMinutes = 3;
inline constexpr int kLastPowerDownMinutes = 10;

}  // namespace pelorin
