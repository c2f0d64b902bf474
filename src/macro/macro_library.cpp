#include "macro/macro_library.h"

#include <algorithm>
#include <utility>

namespace pelorin {
namespace {

using Siblings = std::vector<LibraryItem>;

int indexAtStage(const LibraryLocation& location) {
  switch (location.stage) {
    case 0:
      return location.stage0Index;
    case 1:
      return location.stage1Index;
    default:
      return location.stage2Index;
  }
}

bool inList(int index) {
  return index >= 0 && index < kLibraryListSize;
}

bool inRange(const LibraryLocation& location) {
  if (location.stage < 0 || location.stage > 2 || !inList(location.stage0Index)) return false;
  if (location.stage >= 1 && !inList(location.stage1Index)) return false;
  return location.stage < 2 || inList(location.stage2Index);
}

LibraryLocation childOf(const LibraryLocation& parent, int slot) {
  if (parent.stage < 0) return LibraryLocation::top(slot);
  if (parent.stage == 0) return LibraryLocation::child(parent.stage0Index, slot);
  return LibraryLocation::grandchild(parent.stage0Index, parent.stage1Index, slot);
}

// Scans stop at the first free slot: the lists are compact.
bool nameIn(const Siblings* list, const std::u16string& name) {
  if (list == nullptr) return false;
  for (const auto& item : *list) {
    if (item.isFree()) break;
    if (item.name == name) return true;
  }
  return false;
}

int firstFree(const Siblings& list) {
  for (int slot = 0; slot < kLibraryListSize; ++slot) {
    if (static_cast<std::size_t>(slot) >= list.size() || list[slot].isFree()) return slot;
  }
  return -1;
}

bool holdsKeyIndex(const LibraryItem& item, std::uint32_t keyIndex) {
  if (item.isMacro()) return item.macro->keyIndex == keyIndex;
  if (item.isFree() || item.isFolder == 0) return false;
  return std::any_of(
      item.children.begin(), item.children.end(),
      [keyIndex](const LibraryItem& child) { return holdsKeyIndex(child, keyIndex); });
}

void closeFolders(Siblings& list) {
  for (auto& item : list) {
    if (item.isFree()) break;
    item.folderIsOpen = 0;
  }
}

}  // namespace

const Siblings* MacroLibrary::siblingsOf(const LibraryLocation& location) const {
  if (!inRange(location)) return nullptr;
  if (location.stage == 0) return &top_;
  LibraryLocation parentLocation = location;
  --parentLocation.stage;
  const LibraryItem* parent = itemAt(parentLocation);
  return parent != nullptr && parent->isFolder != 0 ? &parent->children : nullptr;
}

Siblings* MacroLibrary::siblingsOf(const LibraryLocation& location) {
  return const_cast<Siblings*>(std::as_const(*this).siblingsOf(location));
}

const LibraryItem* MacroLibrary::itemAt(const LibraryLocation& location) const {
  const Siblings* list = siblingsOf(location);
  const auto index = static_cast<std::size_t>(indexAtStage(location));
  if (list == nullptr || index >= list->size() || (*list)[index].isFree()) return nullptr;
  return &(*list)[index];
}

LibraryItem* MacroLibrary::itemAt(const LibraryLocation& location) {
  return const_cast<LibraryItem*>(std::as_const(*this).itemAt(location));
}

void MacroLibrary::clear() {
  top_.clear();
}

void MacroLibrary::deleteItem(const LibraryLocation& location) {
  Siblings* list = siblingsOf(location);
  const auto index = static_cast<std::size_t>(indexAtStage(location));
  if (list != nullptr && index < list->size()) list->erase(list->begin() + index);
}

bool MacroLibrary::nameExistsAtTop(const std::u16string& name) const {
  return nameIn(&top_, name);
}

bool MacroLibrary::nameExistsInFolder(const std::u16string& name, int stage0Index) const {
  return nameIn(siblingsOf(LibraryLocation::child(stage0Index, 0)), name);
}

bool MacroLibrary::nameExistsInSubfolder(const std::u16string& name, int stage0Index,
                                         int stage1Index) const {
  return nameIn(siblingsOf(LibraryLocation::grandchild(stage0Index, stage1Index, 0)), name);
}

bool MacroLibrary::nameExistsAmongSiblings(const std::u16string& name,
                                           const LibraryLocation& location) const {
  if (location.stage <= 0) return nameExistsAtTop(name);
  if (location.stage == 1) return nameExistsInFolder(name, location.stage0Index);
  return nameExistsInSubfolder(name, location.stage0Index, location.stage1Index);
}

Siblings* MacroLibrary::placementList(const LibraryLocation& selection, bool forFolder,
                                      LibraryLocation& parent) {
  LibraryItem* selected = itemAt(selection);
  if (selected != nullptr && selected->isFolder != 0) {
    // Folders hold folders only one level deep.
    if (selection.stage == 1 && forFolder) return nullptr;
    parent = selection;
    return &selected->children;
  }
  parent = LibraryLocation{};
  return &top_;
}

int MacroLibrary::placeNew(const std::u16string& name, LibraryLocation& selection, bool folder) {
  LibraryLocation parent;
  Siblings* list = placementList(selection, folder, parent);
  if (list == nullptr) return 0;
  if (nameIn(list, name)) return 1;
  const int slot = firstFree(*list);
  if (slot < 0) return 0;
  if (static_cast<std::size_t>(slot) == list->size()) list->emplace_back();
  LibraryItem& item = (*list)[static_cast<std::size_t>(slot)];
  item = LibraryItem{};
  item.name = name;
  if (folder) {
    item.isFolder = 1;
  } else {
    item.macro = std::make_unique<MacroKey>(MacroKey::create(name));
    item.macro->keyIndex = static_cast<std::uint32_t>(nextKeyIndex_);
    nextKeyIndex_ = static_cast<std::int32_t>(static_cast<std::uint32_t>(nextKeyIndex_) + 1U);
  }
  selection = childOf(parent, slot);
  return 0;
}

int MacroLibrary::newMacro(const std::u16string& name, LibraryLocation& selection) {
  return placeNew(name, selection, false);
}

int MacroLibrary::newFolder(const std::u16string& name, LibraryLocation& selection) {
  return placeNew(name, selection, true);
}

void MacroLibrary::rename(const LibraryLocation& location, const std::u16string& name) {
  if (LibraryItem* item = itemAt(location); item != nullptr && !name.empty()) item->name = name;
}

void MacroLibrary::collapseAll() {
  closeFolders(top_);
  for (auto& item : top_) {
    if (item.isFree()) break;
    closeFolders(item.children);
  }
}

std::vector<LibraryLocation> MacroLibrary::visibleRows() const {
  std::vector<LibraryLocation> rows;
  for (int i = 0; i < static_cast<int>(top_.size()) && !top_[i].isFree(); ++i) {
    rows.push_back(LibraryLocation::top(i));
    if (!top_[i].isOpenFolder()) continue;
    const Siblings& level1 = top_[i].children;
    for (int j = 0; j < static_cast<int>(level1.size()) && !level1[j].isFree(); ++j) {
      rows.push_back(LibraryLocation::child(i, j));
      if (!level1[j].isOpenFolder()) continue;
      const Siblings& level2 = level1[j].children;
      for (int k = 0; k < static_cast<int>(level2.size()) && !level2[k].isFree(); ++k) {
        rows.push_back(LibraryLocation::grandchild(i, j, k));
      }
    }
  }
  return rows;
}

int MacroLibrary::visibleRowCount() const {
  return static_cast<int>(visibleRows().size());
}

LibraryLocation MacroLibrary::locationOfRow(int row) const {
  const auto rows = visibleRows();
  return row >= 0 && static_cast<std::size_t>(row) < rows.size() ? rows[row] : LibraryLocation{};
}

int MacroLibrary::rowOfLocation(const LibraryLocation& location) const {
  const auto rows = visibleRows();
  const auto found = std::find(rows.begin(), rows.end(), location);
  return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
}

bool MacroLibrary::containsKeyIndex(const LibraryLocation& location, std::uint32_t keyIndex) const {
  const LibraryItem* item = itemAt(location);
  return item != nullptr && holdsKeyIndex(*item, keyIndex);
}

bool MacroLibrary::putMacro(const LibraryLocation& location, const std::u16string& name,
                            MacroKey macro) {
  Siblings* list = siblingsOf(location);
  if (list == nullptr || name.empty()) return false;
  const auto index = static_cast<std::size_t>(indexAtStage(location));
  if (static_cast<int>(index) != firstFree(*list)) return false;
  if (index >= list->size()) list->resize(index + 1);
  LibraryItem& item = (*list)[index];
  item = LibraryItem{};
  item.name = name;
  item.macro = std::make_unique<MacroKey>(std::move(macro));
  return true;
}

bool MacroLibrary::putFolder(const LibraryLocation& location, const std::u16string& name,
                             bool isOpen) {
  Siblings* list = location.stage < 2 ? siblingsOf(location) : nullptr;
  if (list == nullptr || name.empty()) return false;
  const auto index = static_cast<std::size_t>(indexAtStage(location));
  if (static_cast<int>(index) != firstFree(*list)) return false;
  if (index >= list->size()) list->resize(index + 1);
  LibraryItem& item = (*list)[index];
  item = LibraryItem{};
  item.name = name;
  item.isFolder = 1;
  item.folderIsOpen = isOpen ? 1 : 0;
  return true;
}

}  // namespace pelorin
