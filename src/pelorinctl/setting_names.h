#pragma once
// The words `pelorinctl set` takes and `pelorinctl profile show` prints: one table per setting,
// so what show prints can be typed back into set.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "pages/dpi_step_table.h"
#include "profile/profile_record.h"
#include "profile/value_domains.h"

namespace pelorin::ctl {

struct LightingModeName {
  const char* name;
  std::uint8_t mode;
  int textId;  // the caption the window's effect list shows
};

// The effects the window's list offers, in its order; modes 7 and 8 are not offered.
inline constexpr std::array<LightingModeName, 8> kLightingModes = {{
    {"wave", 1, 100},
    {"breathing", 2, 101},
    {"steady", 3, 102},
    {"colour-cycle", 4, 103},
    {"flash", 5, 110},
    {"reactive", 6, 105},
    {"neon", 9, 108},
    {"off", 0, 109},
}};

// The words of a value domain's rows joined as "a, b or c".
template <typename Table, typename Field>
std::string wordsOf(const Table& table, Field field) {
  std::string out;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const auto word = std::invoke(field, table[i]);
    std::string text;
    if constexpr (std::is_arithmetic_v<std::decay_t<decltype(word)>>) {
      text = std::to_string(word);
    } else {
      text = word;
    }
    out += (i == 0 ? "" : i + 1 == table.size() ? " or " : ", ") + text;
  }
  return out;
}

// What the lighting page shows for a mode: a speed, a brightness, a direction, and how many
// colour slots.
struct LightingControls {
  bool speed = false;
  bool brightness = false;
  bool direction = false;
  int colourSlots = 0;
};
LightingControls lightingControls(std::uint8_t mode);

const LightingModeName* lightingModeByName(std::string_view name);
const LightingModeName* lightingModeByNumber(std::uint8_t mode);

// "#RRGGBB" of a colour kept as 0x00BBGGRR, and back; nothing for any other text.
std::string rgbText(ColourRef colour);
std::optional<ColourRef> parseRgb(std::string_view text);
// A whole decimal number without sign or trailing text.
std::optional<int> parseNumber(std::string_view text);

// The DPI values of a step table as runs: "200 to 5000 in steps of 100, 5500, 6000".
std::string dpiValuesText(const DpiStepTable& steps);

// The profile's settings as `set` arguments, one line each (buttons not included).
std::vector<std::string> settingLines(const ProfileRecord& record, const DpiStepTable& steps);

}  // namespace pelorin::ctl
