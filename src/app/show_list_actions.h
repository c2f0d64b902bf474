#pragma once
// Adding and deleting profiles in the slot bar: the show list stays a permutation of the five
// profiles, a deleted profile moves to the end and an added one is the first hidden.
#include <optional>

#include "profile/app_config.h"

namespace pelorin {

// The list after hiding `profile`, or nothing when it is not among the shown ones.
std::optional<ShowList> hideProfile(const ShowList& list, int profile);
// The profile the next add reveals, or nothing when all five are shown.
std::optional<int> nextHiddenProfile(const ShowList& list);

}  // namespace pelorin
