#include "macro/action_text.h"

#include <string_view>

#include "keys/decimal_text.h"
#include "keys/key_name_table.h"

namespace pelorin {
namespace {

struct StepWords {
  std::u16string_view negative;
  std::u16string_view positive;
};

std::u16string stepText(MacroAction action) {
  StepWords words{u"Wheel Up ", u"Wheel Down "};
  if (action.b0 == macro_code::kMoveX) words = {u"Move Left ", u"Move Right "};
  if (action.b0 == macro_code::kMoveY) words = {u"Move Up ", u"Move Down "};
  const int step = action.step();
  return std::u16string(step < 0 ? words.negative : words.positive) +
         decimalText(step < 0 ? -step : step);
}

}  // namespace

ActionText actionText(MacroAction action) {
  if (action.isDelay()) return {decimalText(action.delayMs()) + u"ms", ActionIcon::Delay};
  const ActionIcon icon = action.isRelease() ? ActionIcon::Release : ActionIcon::Press;
  if (action.b0 >= macro_code::kMoveX && action.b0 <= macro_code::kWheel) {
    return {stepText(action), icon};
  }
  return {std::u16string(KeyNameTable::name(action.b0)), icon};
}

const char* actionIconFile(ActionIcon icon) {
  switch (icon) {
    case ActionIcon::Delay:
      return "skins/macro_time.png";
    case ActionIcon::Release:
      return "skins/macro_up.png";
    case ActionIcon::Press:
      break;
  }
  return "skins/macro_down.png";
}

}  // namespace pelorin
