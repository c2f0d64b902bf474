#pragma once
// The button combos of the left column. Combos 2013 to 2017 stand for the five buttons of the
// mouse and show the current profile's captions; 2018 to 2021 are reserved for rows without a
// button behind them.
#include <optional>

namespace pelorin::button_combo {

constexpr int kFirst = 2013;
constexpr int kLast = 2021;
constexpr int kBound = 5;
// Every combo reports clicks and hover through this message, with its id in wParam.
constexpr unsigned kMessage = 1028;

// The button record behind a combo id, none for the reserved rows and other ids.
inline std::optional<int> slotOf(int comboId) {
  if (comboId < kFirst || comboId >= kFirst + kBound) return std::nullopt;
  return comboId - kFirst;
}

}  // namespace pelorin::button_combo
