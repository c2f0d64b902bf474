#pragma once
// The address of an item in the three-level macro tree. The field names are those of the file.
#include <cstdint>

namespace pelorin {

constexpr int kLibraryListSize = 60;

struct LibraryLocation {
  // -1 = nothing, otherwise the depth 0..2; indices below the item's depth are 0.
  int stage = -1;
  int stage0Index = 0;
  int stage1Index = 0;
  int stage2Index = 0;

  friend bool operator==(const LibraryLocation&, const LibraryLocation&) = default;

  static constexpr LibraryLocation top(int i) { return {0, i, 0, 0}; }
  static constexpr LibraryLocation child(int i, int j) { return {1, i, j, 0}; }
  static constexpr LibraryLocation grandchild(int i, int j, int k) { return {2, i, j, k}; }
};

}  // namespace pelorin
