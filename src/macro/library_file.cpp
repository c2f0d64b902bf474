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

std::optional<MacroKey> readMacro(LineReader& reader, const std::u16string& name) {
  MacroKey macro = MacroKey::create(name);
  const auto keyIndex = numberField(reader);
  const auto loopType = numberField(reader);
  const auto loopCount = numberField(reader);
  const auto actionCount = numberField(reader);
  const auto commandCount = numberField(reader);
  if (!keyIndex || !loopType || !loopCount || !actionCount || !commandCount) return std::nullopt;
  macro.keyIndex = static_cast<std::uint32_t>(*keyIndex & 0xFFFFFFFF);
  macro.loopType = low8(*loopType);
  macro.loopCount = low8(*loopCount);
  // The count indexes the action array, so it is held to the array's size.
  macro.actionCount =
      static_cast<std::uint32_t>(std::clamp<std::int64_t>(*actionCount, 0, MacroKey::kMaxActions));
  macro.commandCount = low8(*commandCount);
  const auto digits = reader.value(kField);
  if (!digits || !readActionString(*digits, macro)) return std::nullopt;
  return macro;
}

bool readItem(LineReader& reader, MacroLibrary& library) {
  const auto nameField = reader.value(kField);
  const auto location = locationField(reader);
  const auto isFolder = numberField(reader);
  const auto isOpen = numberField(reader);
  if (!nameField || !location || !isFolder || !isOpen) return false;
  const std::u16string name(*nameField);
  if (*isFolder != 0) return library.putFolder(*location, name, *isOpen != 0);
  auto macro = readMacro(reader, name);
  return macro && library.putMacro(*location, name, std::move(*macro));
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

void libraryFromLines(MacroLibrary& library, const Lines& lines, LibraryLocation* fileSelection) {
  library.clear();
  LineReader reader(lines);
  if (!reader.header(kSection)) return;
  const auto keyIndex = numberField(reader);
  if (!keyIndex) return;
  library.setNextKeyIndex(static_cast<std::int32_t>(
      std::clamp<std::int64_t>(*keyIndex, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max())));
  const auto selection = locationField(reader);
  if (!selection) return;
  if (fileSelection != nullptr) *fileSelection = *selection;
  while (!reader.atEnd() && readItem(reader, library)) {
  }
}

int MacroLibrary::write(const std::filesystem::path& path, const LibraryLocation& selection) const {
  return CStdioFileEx::writeLines(path, libraryToLines(*this, selection)) ? 1 : 0;
}

int MacroLibrary::read(const std::filesystem::path& path, LibraryLocation* fileSelection) {
  const auto lines = CStdioFileEx::readLines(path);
  if (!lines) return 0;
  libraryFromLines(*this, *lines, fileSelection);
  return 1;
}

}  // namespace pelorin
