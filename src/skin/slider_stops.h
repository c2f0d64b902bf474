#pragma once
// The fixed positions a slider's thumb can rest on, as pixel offsets from the slider's start.
#include <span>
#include <vector>

namespace pelorin {

// The stop a pointer at `offset` picks: the first stop whose midpoint to the next one lies
// beyond the offset, else the last. 0 when there are no stops.
int stopIndexAt(std::span<const int> stops, int offset);

// count stops spread evenly from first to last (inclusive); one stop sits at first.
std::vector<int> evenStops(int count, int first, int last);

}  // namespace pelorin
