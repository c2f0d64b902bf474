#include "skin/popup_kind.h"

#include <array>

namespace pelorin {

std::optional<unsigned> popupClosedMessage(int kind) {
  constexpr unsigned kNone = 0;
  constexpr std::array<unsigned, kPopupKindCount> kMessages{1029, 1032, 1042, 1045, kNone, kNone,
                                                            1057, 1126, 1136, 1146, 1156,  1159,
                                                            1162, 1165, 1168, 1170};
  if (kind < 0 || kind >= kPopupKindCount || kMessages[kind] == kNone) return std::nullopt;
  return kMessages[kind];
}

}  // namespace pelorin
