#include "macro/tree_placer.h"

namespace pelorin {
namespace {

LibraryLocation childAt(const LibraryLocation& parent, int slot) {
  if (parent.stage < 0) return LibraryLocation::top(slot);
  if (parent.stage == 0) return LibraryLocation::child(parent.stage0Index, slot);
  return LibraryLocation::grandchild(parent.stage0Index, parent.stage1Index, slot);
}

bool inList(int index) {
  return index >= 0 && index < kLibraryListSize;
}

// A location outside the tree is refused like any other line that does not fit.
bool namesASlot(const LibraryLocation& at) {
  if (at.stage < 0 || at.stage > 2 || !inList(at.stage0Index)) return false;
  return (at.stage < 1 || inList(at.stage1Index)) && (at.stage < 2 || inList(at.stage2Index));
}

}  // namespace

std::optional<LibraryLocation> TreePlacer::place(const MacroLibrary& library,
                                                 const LibraryLocation& named) const {
  if (!namesASlot(named)) return std::nullopt;
  LibraryLocation parent;
  if (named.stage >= 1) {
    const auto top = top_.find(named.stage0Index);
    if (top == top_.end()) return std::nullopt;
    parent = LibraryLocation::top(top->second);
  }
  if (named.stage == 2) {
    const auto middle = middle_.find({named.stage0Index, named.stage1Index});
    if (middle == middle_.end()) return std::nullopt;
    parent = LibraryLocation::child(parent.stage0Index, middle->second);
  }
  for (int slot = 0; slot < kLibraryListSize; ++slot) {
    const LibraryLocation at = childAt(parent, slot);
    if (library.itemAt(at) == nullptr) return at;
  }
  return std::nullopt;
}

void TreePlacer::placed(const LibraryLocation& named, const LibraryLocation& actual) {
  if (named.stage == 0) top_.try_emplace(named.stage0Index, actual.stage0Index);
  if (named.stage == 1)
    middle_.try_emplace({named.stage0Index, named.stage1Index}, actual.stage1Index);
}

}  // namespace pelorin
