#include "skin/tab_selection.h"

#include <array>
#include <utility>

namespace pelorin {

namespace {

// The stored values are the ones the pages compare against; the second set's ids are not
// contiguous and its values do not follow the ids one to one.
constexpr std::array<std::pair<int, int>, 7> kSecondSet{
    {{3001, 0}, {3002, 1}, {3003, 2}, {3004, 3}, {3007, 7}, {3008, 8}, {3009, 9}}};

}  // namespace

std::optional<TabSlot> tabSlotOf(int id) {
  if (id >= 2049 && id <= 2053) return TabSlot{&TabSelection::mainTab, id - 2049};
  for (const auto& [tabId, value] : kSecondSet) {
    if (tabId == id) return TabSlot{&TabSelection::secondTab, value};
  }
  return std::nullopt;
}

}  // namespace pelorin
