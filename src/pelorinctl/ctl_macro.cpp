// pelorinctl macro: looks into the macro library file of a data folder.
#include <cstdio>
#include <string>

#include "common/utf.h"
#include "common/utf8_path.h"
#include "macro/library_file.h"
#include "macro/macro_library.h"
#include "pelorinctl/commands.h"

namespace pelorin::ctl {
namespace {

int macroUsage() {
  std::fprintf(stderr, "usage: pelorinctl [--data-dir DIR] macro list | macro export-all FILE\n");
  return kExitUsage;
}

// A missing or unreadable file leaves the library empty, as at program start.
MacroLibrary loadLibrary(const Options& options) {
  MacroLibrary library;
  library.read(libraryFilePath(dataFolder(options)));
  return library;
}

void printItem(const LibraryItem& item, const LibraryLocation& at) {
  std::printf("%*s%d;%d;%d;%d ", at.stage * 2, "", at.stage, at.stage0Index, at.stage1Index,
              at.stage2Index);
  if (item.isFolder != 0) {
    std::printf("folder %s", item.folderIsOpen != 0 ? "open" : "closed");
  } else if (item.macro) {
    const MacroKey& macro = *item.macro;
    std::printf("macro key=%u loopType=%u loopCount=%u actions=%u commands=%u", macro.keyIndex,
                unsigned{macro.loopType}, unsigned{macro.loopCount}, macro.actionCount,
                unsigned{macro.commandCount});
  }
  std::printf(" %s\n", toUtf8(item.name).c_str());
}

// Every item depth first, the contents of closed folders included, so nothing stays hidden.
int listLibrary(const Options& options) {
  const MacroLibrary library = loadLibrary(options);
  std::printf("next key index %d\n", library.nextKeyIndex());
  const auto& top = library.topLevel();
  for (std::size_t i = 0; i < top.size(); ++i) {
    if (top[i].isFree()) continue;
    const int i0 = static_cast<int>(i);
    printItem(top[i], LibraryLocation::top(i0));
    for (std::size_t j = 0; j < top[i].children.size(); ++j) {
      const LibraryItem& middle = top[i].children[j];
      if (middle.isFree()) continue;
      printItem(middle, LibraryLocation::child(i0, static_cast<int>(j)));
      for (std::size_t k = 0; k < middle.children.size(); ++k) {
        if (middle.children[k].isFree()) continue;
        printItem(middle.children[k],
                  LibraryLocation::grandchild(i0, static_cast<int>(j), static_cast<int>(k)));
      }
    }
  }
  return kExitOk;
}

int exportAll(const Options& options, const std::string& target) {
  if (loadLibrary(options).write(pathFromUtf8(target), LibraryLocation{}) == 0) {
    std::fprintf(stderr, "pelorinctl: cannot write %s\n", target.c_str());
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace

int runMacro(const Options& options, const Args& args) {
  if (args.size() == 1 && args[0] == "list") return listLibrary(options);
  if (args.size() == 2 && args[0] == "export-all") return exportAll(options, args[1]);
  return macroUsage();
}

}  // namespace pelorin::ctl
