#include "macro/library_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "common/line_reader.h"
#include "keys/decimal_text.h"
#include "macro/action_string.h"
#include "macro/macro_ranges.h"
#include "macro/tree_placer.h"

namespace pelorin {
namespace {

using Lines = CStdioFileEx::Lines;

constexpr std::u16string_view kSection = u"[MacroLibrary]";
// A field line needs something after its "="; its key is never looked at.
constexpr KeyValueRule kField{.needsValue = true};

// ---- writing ----

std::u16string locationText(const LibraryLocation& location) {
  return u"stage=" + decimalText(location.stage) + u";stage0Index=" +
         decimalText(location.stage0Index) + u";stage1Index=" + decimalText(location.stage1Index) +
         u";stage2Index=" + decimalText(location.stage2Index) + u";";
}

std::u16string actionLine(const std::u16string& indent, const MacroKey& macro) {
  std::u16string line = indent + u"AllAction=";
  appendActionString(line, macro);
  return line;
}

void appendItem(Lines& lines, const LibraryItem& item, const LibraryLocation& location,
                const std::u16string& indent) {
  lines.push_back(indent + u"++++++++MacroItemName=" + item.name);
  lines.push_back(indent + u"MacroItemLocation:" + locationText(location));
  lines.push_back(indent + u"MacroItemIsFolder=" + decimalText(item.isFolder));
  lines.push_back(indent + u"MacroItemFolderIsOpen=" + decimalText(item.folderIsOpen));
  if (!item.macro) return;
  const MacroKey& macro = *item.macro;
  lines.push_back(indent + u"MacroKeyIndex=" + decimalText(macro.keyIndex));
  lines.push_back(indent + u"MacroKeyLoopType=" + decimalText(macro.loopType));
  lines.push_back(indent + u"MacroKeyLoopNum=" + decimalText(macro.loopCount));
  lines.push_back(indent + u"MacroActionNum=" + decimalText(macro.actionCount));
  lines.push_back(indent + u"MacroCommandActionNum=" + decimalText(macro.commandCount));
  lines.push_back(actionLine(indent, macro));
}

template <typename Visit>
void forEachNamed(const std::vector<LibraryItem>& list, Visit visit) {
  for (std::size_t slot = 0; slot < list.size(); ++slot) {
    if (!list[slot].isFree()) visit(list[slot], static_cast<int>(slot));
  }
}

// ---- reading ----

std::optional<int> numberAt(std::u16string_view text, std::size_t& at) {
  const std::size_t start = at;
  if (at < text.size() && text[at] == u'-') ++at;
  const std::size_t digits = at;
  while (at < text.size() && text[at] >= u'0' && text[at] <= u'9') ++at;
  if (at == digits) return std::nullopt;
  return leadingInt(text.substr(start, at - start));
}

// Four "=" each followed by a number, with a ";" after each of the first three numbers.
std::optional<LibraryLocation> locationValue(std::u16string_view line) {
  std::array<int, 4> numbers{};
  std::size_t at = 0;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    at = line.find(u'=', at);
    if (at == std::u16string_view::npos) return std::nullopt;
    const auto number = numberAt(line, ++at);
    if (!number) return std::nullopt;
    if (i < 3 && (at >= line.size() || line[at] != u';')) return std::nullopt;
    numbers[i] = *number;
  }
  return LibraryLocation{numbers[0], numbers[1], numbers[2], numbers[3]};
}

std::uint8_t low8(std::int64_t value) {
  return static_cast<std::uint8_t>(value & 0xFF);
}

std::optional<std::int64_t> numberField(LineReader& reader) {
  const auto value = reader.value(kField);
  if (!value) return std::nullopt;
  return leadingDecimal(*value);
}

std::optional<LibraryLocation> locationField(LineReader& reader) {
  const auto line = reader.line();
  return line ? locationValue(*line) : std::nullopt;
}

// What a read gathers beside the items.
struct ReadState {
  TreePlacer placer;
  // None while no macro has been read: an empty library leaves the stored counter as it is.
  std::optional<std::uint32_t> highestKey;
  int adjusted = 0;
};

std::optional<MacroKey> readMacro(LineReader& reader, const std::u16string& name,
                                  ReadState& state) {
  MacroKey macro = MacroKey::create(name);
  const auto keyIndex = numberField(reader);
  const auto loopType = numberField(reader);
  const auto loopCount = numberField(reader);
  const auto actionCount = numberField(reader);
  // The stored command count is only read past: it follows from the actions.
  const auto commandCount = numberField(reader);
  if (!keyIndex || !loopType || !loopCount || !actionCount || !commandCount) return std::nullopt;
  macro.keyIndex = static_cast<std::uint32_t>(*keyIndex & 0xFFFFFFFF);
  const bool byteValues = *loopType == low8(*loopType) && *loopCount == low8(*loopCount);
  macro.loopType = low8(*loopType);
  macro.loopCount = low8(*loopCount);
  macro.actionCount = static_cast<std::uint32_t>(
      std::clamp<std::int64_t>(*actionCount, 0, std::int64_t{MacroKey::kMaxActions} + 1));
  const auto digits = reader.value(kField);
  if (!digits || !readActionString(*digits, macro)) return std::nullopt;
  if (bringIntoRange(macro) == MacroFit::Adjusted || !byteValues || *actionCount < 0) {
    ++state.adjusted;
  }
  state.highestKey = std::max(state.highestKey.value_or(0), macro.keyIndex);
  return macro;
}

bool readItem(LineReader& reader, MacroLibrary& library, ReadState& state) {
  const auto nameField = reader.value(kField);
  const auto stated = locationField(reader);
  const auto isFolder = numberField(reader);
  const auto isOpen = numberField(reader);
  if (!nameField || !stated || !isFolder || !isOpen) return false;
  const std::u16string name(*nameField);
  const auto location = state.placer.place(library, *stated);
  if (!location) return false;
  if (*isFolder != 0) {
    if (!library.putFolder(*location, name, *isOpen != 0)) return false;
  } else {
    auto macro = readMacro(reader, name, state);
    if (!macro || !library.putMacro(*location, name, std::move(*macro))) return false;
  }
  state.placer.placed(*stated, *location);
  return true;
}

// The counter always stays above every key of the library, so a new macro never shares a key
// with one that a button may already play.
void keepCounterAbove(MacroLibrary& library, std::uint32_t highestKey) {
  const auto above = std::min<std::int64_t>(std::int64_t{highestKey} + 1,
                                            std::numeric_limits<std::int32_t>::max());
  if (library.nextKeyIndex() < above) library.setNextKeyIndex(static_cast<std::int32_t>(above));
}

}  // namespace

std::filesystem::path libraryFilePath(const std::filesystem::path& dataFolder) {
  return dataFolder / "config" / "MacroLibraryFile.mlf";
}

Lines libraryToLines(const MacroLibrary& library, const LibraryLocation& selection) {
  Lines lines{std::u16string(kSection), u"MacroKeyIndex=" + decimalText(library.nextKeyIndex()),
              u"Select Locaton:" + locationText(selection)};
  const auto& top = library.topLevel();
  forEachNamed(top, [&](const LibraryItem& item, int i) {
    appendItem(lines, item, LibraryLocation::top(i), u"");
  });
  forEachNamed(top, [&](const LibraryItem& parent, int i) {
    forEachNamed(parent.children, [&](const LibraryItem& item, int j) {
      appendItem(lines, item, LibraryLocation::child(i, j), u"\t");
    });
  });
  forEachNamed(top, [&](const LibraryItem& parent, int i) {
    forEachNamed(parent.children, [&](const LibraryItem& middle, int j) {
      forEachNamed(middle.children, [&](const LibraryItem& item, int k) {
        appendItem(lines, item, LibraryLocation::grandchild(i, j, k), u"\t\t");
      });
    });
  });
  return lines;
}

int libraryFromLines(MacroLibrary& library, const Lines& lines, LibraryLocation* fileSelection) {
  library.clear();
  ReadState state;
  LineReader reader(lines);
  if (!reader.header(kSection)) return 0;
  const auto keyIndex = numberField(reader);
  if (!keyIndex) return 0;
  library.setNextKeyIndex(static_cast<std::int32_t>(
      std::clamp<std::int64_t>(*keyIndex, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max())));
  const auto selection = locationField(reader);
  if (!selection) return 0;
  if (fileSelection != nullptr) *fileSelection = *selection;
  while (!reader.atEnd() && readItem(reader, library, state)) {
  }
  if (state.highestKey) keepCounterAbove(library, *state.highestKey);
  return state.adjusted;
}

int MacroLibrary::write(const std::filesystem::path& path, const LibraryLocation& selection,
                        std::error_code* reason) const {
  std::error_code why;
  const bool written = CStdioFileEx::writeLines(path, libraryToLines(*this, selection), why);
  if (reason != nullptr) *reason = why;
  return written ? 1 : 0;
}

int MacroLibrary::read(const std::filesystem::path& path, LibraryLocation* fileSelection,
                       int* adjustedMacros) {
  const auto lines = CStdioFileEx::readLines(path);
  if (!lines) return 0;
  const int adjusted = libraryFromLines(*this, *lines, fileSelection);
  if (adjustedMacros != nullptr) *adjustedMacros = adjusted;
  return 1;
}

}  // namespace pelorin
