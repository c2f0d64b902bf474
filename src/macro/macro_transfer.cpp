#include "macro/macro_transfer.h"

#include <vector>

#include "macro/command_count.h"

namespace pelorin {
namespace {

// A location with its index at its own stage moved.
LibraryLocation withIndex(LibraryLocation location, int index) {
  switch (location.stage) {
    case 0:
      location.stage0Index = index;
      break;
    case 1:
      location.stage1Index = index;
      break;
    default:
      location.stage2Index = index;
      break;
  }
  return location;
}

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

// The named items of one sibling list from a slot on, up to the first free slot.
std::vector<const LibraryItem*> listFrom(const MacroLibrary& library, LibraryLocation first) {
  std::vector<const LibraryItem*> items;
  for (int i = indexAtStage(first); i < kLibraryListSize; ++i) {
    const LibraryItem* item = library.itemAt(withIndex(first, i));
    if (item == nullptr) break;
    items.push_back(item);
  }
  return items;
}

std::vector<const LibraryItem*> sourceItems(const MacroLibrary& file, const LibraryLocation& at) {
  if (at.stage < 0) return listFrom(file, LibraryLocation::top(0));
  const LibraryItem* item = file.itemAt(at);
  if (item == nullptr) return {};
  if (item->isFolder != 0) return {item};
  return listFrom(file, at);
}

void copyMacro(MacroKey& target, const MacroKey& source) {
  target.loopType = source.loopType;
  target.loopCount = source.loopCount;
  target.commandCount = source.commandCount;
  target.name = source.name;
  target.actionCount = source.actionCount;
  target.actions = source.actions;
  command_count::recount(target);
}

// Creates a macro at `at` and fills it; false when there was no room.
bool createMacro(MacroLibrary& library, LibraryLocation at, const LibraryItem& source) {
  const LibraryLocation before = at;
  if (library.newMacro(source.name, at) != 0 || at == before) return false;
  LibraryItem* made = library.itemAt(at);
  if (made == nullptr || made->macro == nullptr) return false;
  copyMacro(*made->macro, *source.macro);
  return true;
}

void createFolder(MacroLibrary& library, LibraryLocation at, const LibraryItem& source) {
  const LibraryLocation before = at;
  if (library.newFolder(source.name, at) != 0 || at == before) return;
  for (const LibraryItem& child : source.children) {
    if (child.isFree()) break;
    if (child.isMacro()) createMacro(library, at, child);
  }
}

bool isFolder(const MacroLibrary& library, const LibraryLocation& at) {
  const LibraryItem* item = library.itemAt(at);
  return item != nullptr && item->isFolder != 0;
}

// Whether a name is taken in the list that new items for this selection go to.
bool nameTakenAt(const MacroLibrary& library, const LibraryLocation& selection,
                 const std::u16string& name) {
  if (!isFolder(library, selection)) return library.nameExistsAtTop(name);
  if (selection.stage == 0) return library.nameExistsInFolder(name, selection.stage0Index);
  return library.nameExistsInSubfolder(name, selection.stage0Index, selection.stage1Index);
}

void openIfFolder(MacroLibrary& library, const LibraryLocation& at) {
  if (isFolder(library, at)) library.itemAt(at)->folderIsOpen = 1;
}

}  // namespace

std::u16string exportFileName(const MacroLibrary& library, const LibraryLocation& selection,
                              MacroFileKind kind) {
  const LibraryItem* item = library.itemAt(selection);
  if (kind == MacroFileKind::OneMacro) return (item != nullptr ? item->name : u"") + u".mkf";
  return item != nullptr ? item->name + u".mbf" : u"AllMacroKey.mbf";
}

ImportOutcome importMacro(MacroLibrary& library, LibraryLocation& selection,
                          const MacroLibrary& file, const LibraryLocation& fileSelection) {
  const LibraryItem* source = file.itemAt(fileSelection);
  if (source == nullptr || !source->isMacro()) return ImportOutcome::Nothing;
  const LibraryLocation destination = selection;
  LibraryLocation made = selection;
  if (library.newMacro(source->name, made) != 0) return ImportOutcome::NameInUse;
  if (made == destination) return ImportOutcome::Nothing;
  openIfFolder(library, destination);
  copyMacro(*library.itemAt(made)->macro, *source->macro);
  selection = made;
  return ImportOutcome::Imported;
}

ImportOutcome importAll(MacroLibrary& library, const LibraryLocation& selection,
                        const MacroLibrary& file, const LibraryLocation& fileSelection) {
  const std::vector<const LibraryItem*> items = sourceItems(file, fileSelection);
  for (const LibraryItem* item : items) {
    if (nameTakenAt(library, selection, item->name)) return ImportOutcome::NameInUse;
  }
  for (const LibraryItem* item : items) {
    if (item->isMacro()) {
      createMacro(library, selection, *item);
    } else if (item->isFolder != 0 && selection.stage == 0) {
      createFolder(library, selection, *item);
    }
  }
  openIfFolder(library, selection);
  return items.empty() ? ImportOutcome::Nothing : ImportOutcome::Imported;
}

}  // namespace pelorin
