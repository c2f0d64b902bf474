#pragma once
// All macros of the program: a tree of folders and macros at most three levels deep. Folders live
// on the first two levels only; every sibling list keeps its items in slots 0..n-1 and holds at
// most 60. Key indices come from a counter that never goes back, so a button that still names a
// deleted macro can never pick up a newer one.
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "macro/library_item.h"
#include "macro/library_location.h"

namespace pelorin {

class MacroLibrary {
 public:
  // The item at a location; none for a free slot or a stage outside 0..2.
  LibraryItem* itemAt(const LibraryLocation& location);
  const LibraryItem* itemAt(const LibraryLocation& location) const;

  // Empties the tree; the key counter keeps its value.
  void clear();
  // Removes the item with everything below it; later siblings move up one slot, their subtrees
  // with them.
  void deleteItem(const LibraryLocation& location);

  bool nameExistsAtTop(const std::u16string& name) const;
  bool nameExistsInFolder(const std::u16string& name, int stage0Index) const;
  bool nameExistsInSubfolder(const std::u16string& name, int stage0Index, int stage1Index) const;
  bool nameExistsAmongSiblings(const std::u16string& name, const LibraryLocation& location) const;

  // A selected folder receives the new item, anything else puts it at the top level. Both return
  // 1 when the name is already used there, else 0 (also when nothing could be created). On
  // success the selection moves to the new item.
  int newMacro(const std::u16string& name, LibraryLocation& selection);
  int newFolder(const std::u16string& name, LibraryLocation& selection);

  // Renames only the item; its macro keeps the old name until the library is read again.
  void rename(const LibraryLocation& location, const std::u16string& name);
  void collapseAll();

  // The tree list: depth first, open folders followed by their children.
  int visibleRowCount() const;
  LibraryLocation locationOfRow(int row) const;
  int rowOfLocation(const LibraryLocation& location) const;

  // Whether the item is that macro, or a folder with that macro anywhere below it.
  bool containsKeyIndex(const LibraryLocation& location, std::uint32_t keyIndex) const;

  // Used by the file reader. A location outside the tree, below a slot that is not a folder, a
  // folder deeper than the second level, or any slot but the next free one of its list (which
  // would hide the item behind a gap or replace one) is refused with false and changes nothing.
  bool putMacro(const LibraryLocation& location, const std::u16string& name, MacroKey macro);
  bool putFolder(const LibraryLocation& location, const std::u16string& name, bool isOpen);

  // The library file. write returns nonzero on success; read leaves the library unchanged when
  // the file cannot be opened and otherwise keeps what it read up to the first bad line. The
  // selection stored in the file, and how many macros had to be brought into range, are handed
  // out when asked for.
  int write(const std::filesystem::path& path, const LibraryLocation& selection,
            std::error_code* reason = nullptr) const;
  int read(const std::filesystem::path& path, LibraryLocation* fileSelection = nullptr,
           int* adjustedMacros = nullptr);

  std::int32_t nextKeyIndex() const { return nextKeyIndex_; }
  void setNextKeyIndex(std::int32_t value) { nextKeyIndex_ = value; }
  const std::vector<LibraryItem>& topLevel() const { return top_; }

 private:
  std::vector<LibraryItem>* siblingsOf(const LibraryLocation& location);
  const std::vector<LibraryItem>* siblingsOf(const LibraryLocation& location) const;
  std::vector<LibraryItem>* placementList(const LibraryLocation& selection, bool forFolder,
                                          LibraryLocation& parent);
  int placeNew(const std::u16string& name, LibraryLocation& selection, bool folder);
  std::vector<LibraryLocation> visibleRows() const;

  std::vector<LibraryItem> top_;
  std::int32_t nextKeyIndex_ = 1;
};

// The main library together with the one selection that the manager, the macro selection
// dialog and the button page share for the whole run.
struct MacroStore {
  MacroLibrary library;
  LibraryLocation selection;
};

}  // namespace pelorin
