#include "macro/action_string.h"

#include <array>
#include <cstdint>

#include "common/hex_text.h"

namespace pelorin {

void appendActionString(std::u16string& out, const MacroKey& macro) {
  out.reserve(out.size() + kActionStringDigits);
  for (const MacroAction& action : macro.actions) {
    appendHexBytes(out, std::array{action.b0, action.b1, action.b2, action.b3});
  }
}

bool readActionString(std::u16string_view digits, MacroKey& macro) {
  if (digits.size() != kActionStringDigits) return false;
  for (std::size_t slot = 0; slot < MacroKey::kMaxActions; ++slot) {
    std::array<std::uint8_t, 4> bytes{};
    readHexBytes(digits.substr(slot * 8, 8), bytes);
    macro.setAction(slot, {bytes[0], bytes[1], bytes[2], bytes[3]});
  }
  return true;
}

}  // namespace pelorin
