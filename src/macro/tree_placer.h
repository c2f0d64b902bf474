#pragma once
// Where the library file's items go. Each item takes the next free slot of its list, whatever
// slot it names, so a gap cannot hide an item (to reappear later beside a new one) and a repeated
// location cannot replace one. Children find their parent by the location the parent named; when
// two items named one location, the first keeps it.
#include <map>
#include <optional>
#include <utility>

#include "macro/library_location.h"
#include "macro/macro_library.h"

namespace pelorin {

class TreePlacer {
 public:
  // None when the named parent was never placed or its list is full.
  std::optional<LibraryLocation> place(const MacroLibrary& library,
                                       const LibraryLocation& named) const;
  // Records that the item that named `named` now lives at `actual`.
  void placed(const LibraryLocation& named, const LibraryLocation& actual);

 private:
  std::map<int, int> top_;
  std::map<std::pair<int, int>, int> middle_;
};

}  // namespace pelorin
