#pragma once
// One slot of the macro tree. Sibling lists hold at most 60 slots but are stored only as far as
// they are used, so an empty library costs almost nothing.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "macro/macro_key.h"

namespace pelorin {

struct LibraryItem {
  // An empty name marks a free slot.
  std::u16string name;
  // Only macro items own one.
  std::unique_ptr<MacroKey> macro;
  std::int32_t isFolder = 0;
  std::int32_t folderIsOpen = 0;
  // Used only by folders.
  std::vector<LibraryItem> children;

  bool isFree() const { return name.empty(); }
  bool isMacro() const { return !isFree() && isFolder == 0 && macro != nullptr; }
  bool isOpenFolder() const { return !isFree() && isFolder != 0 && folderIsOpen != 0; }
};

}  // namespace pelorin
