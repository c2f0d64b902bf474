#include "app/show_list_actions.h"

#include <algorithm>

namespace pelorin {

std::optional<ShowList> hideProfile(const ShowList& list, int profile) {
  const auto shownEnd = list.order.begin() + std::clamp(list.count, 0, int(kProfileCount));
  const auto found = std::find(list.order.begin(), shownEnd, profile);
  if (found == shownEnd) return std::nullopt;
  ShowList result = list;
  auto at = result.order.begin() + (found - list.order.begin());
  std::rotate(at, at + 1, result.order.end());
  --result.count;
  return result;
}

std::optional<int> nextHiddenProfile(const ShowList& list) {
  if (list.count < 0 || list.count >= int(kProfileCount)) return std::nullopt;
  return list.order[std::size_t(list.count)];
}

}  // namespace pelorin
