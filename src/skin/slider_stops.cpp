#include "skin/slider_stops.h"

namespace pelorin {

int stopIndexAt(std::span<const int> stops, int offset) {
  if (stops.empty()) return 0;
  for (std::size_t i = 0; i + 1 < stops.size(); ++i) {
    if (offset < (stops[i] + stops[i + 1]) / 2) return static_cast<int>(i);
  }
  return static_cast<int>(stops.size() - 1);
}

std::vector<int> evenStops(int count, int first, int last) {
  std::vector<int> stops;
  if (count <= 0) return stops;
  stops.reserve(static_cast<std::size_t>(count));
  if (count == 1) {
    stops.push_back(first);
    return stops;
  }
  const long span = last - first;
  for (int i = 0; i < count; ++i) {
    stops.push_back(first + static_cast<int>(span * i / (count - 1)));
  }
  return stops;
}

}  // namespace pelorin
