#pragma once
// Builds libraries for tests and flattens them into comparable lines.
#include <string>
#include <vector>

#include "common/utf.h"
#include "macro/macro_library.h"

namespace pelorin::testing {

// "stage:i.j.k name" per named slot, in storage order; a trailing "/" marks a folder and "#n" the
// macro's key index.
inline std::vector<std::string> flatten(const MacroLibrary& library) {
  std::vector<std::string> lines;
  auto add = [&lines](const LibraryItem& item, const std::string& where) {
    std::string line = where + " " + toUtf8(item.name);
    line += item.isFolder != 0 ? "/" : "#" + std::to_string(item.macro ? item.macro->keyIndex : 0);
    lines.push_back(line);
  };
  const auto& top = library.topLevel();
  for (std::size_t i = 0; i < top.size(); ++i) {
    if (top[i].isFree()) continue;
    add(top[i], "0:" + std::to_string(i));
    for (std::size_t j = 0; j < top[i].children.size(); ++j) {
      const auto& middle = top[i].children[j];
      if (middle.isFree()) continue;
      add(middle, "1:" + std::to_string(i) + "." + std::to_string(j));
      for (std::size_t k = 0; k < middle.children.size(); ++k) {
        if (middle.children[k].isFree()) continue;
        add(middle.children[k],
            "2:" + std::to_string(i) + "." + std::to_string(j) + "." + std::to_string(k));
      }
    }
  }
  return lines;
}

// Creates an item below a parent (stage -1 for the top level) and returns its location.
inline LibraryLocation addMacro(MacroLibrary& library, LibraryLocation parent,
                                const std::u16string& name) {
  library.newMacro(name, parent);
  return parent;
}

inline LibraryLocation addFolder(MacroLibrary& library, LibraryLocation parent,
                                 const std::u16string& name) {
  library.newFolder(name, parent);
  return parent;
}

// Top: A/ {a1, S/ {s1, s2}, a2}, B/ {b1, T/ {t1}}, m.  Key indices follow creation order.
inline MacroLibrary sampleLibrary() {
  MacroLibrary library;
  const auto a = addFolder(library, {}, u"A");
  addMacro(library, a, u"a1");
  const auto s = addFolder(library, a, u"S");
  addMacro(library, s, u"s1");
  addMacro(library, s, u"s2");
  addMacro(library, a, u"a2");
  const auto b = addFolder(library, {}, u"B");
  addMacro(library, b, u"b1");
  const auto t = addFolder(library, b, u"T");
  addMacro(library, t, u"t1");
  addMacro(library, {}, u"m");
  return library;
}

}  // namespace pelorin::testing
