#pragma once
// Moving macros between libraries: one macro (".mkf") or a part of a library (".mbf"). Both file
// kinds are whole library files; the selection line stored in them says what to take. Imports
// read the file into a second library and copy from there into the main one, so a file that
// fails halfway never touches the main library.
#include <string>

#include "macro/library_location.h"
#include "macro/macro_library.h"

namespace pelorin {

enum class MacroFileKind { OneMacro, AllMacros };

enum class ImportOutcome {
  Imported,
  // A name of the file is already used where it would go; nothing was created.
  NameInUse,
  // The file names nothing that can be imported, or there is no room.
  Nothing,
};

// "<name>.mkf" for the selected macro; "<name>.mbf" for the selected item, or "AllMacroKey.mbf"
// with nothing selected.
std::u16string exportFileName(const MacroLibrary& library, const LibraryLocation& selection,
                              MacroFileKind kind);

// Creates a copy of the file's selected macro at the selection; on success the selection moves
// to the copy and a selected folder is opened.
ImportOutcome importMacro(MacroLibrary& library, LibraryLocation& selection,
                          const MacroLibrary& file, const LibraryLocation& fileSelection);

// Creates the items the file's selection starts from, all at the selection, which stays where it
// is. Folders come along (with their macros, never their sub-folders) only when a top-level item
// is selected.
ImportOutcome importAll(MacroLibrary& library, const LibraryLocation& selection,
                        const MacroLibrary& file, const LibraryLocation& fileSelection);

}  // namespace pelorin
