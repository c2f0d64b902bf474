#include "macro/library_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "keys/decimal_text.h"

namespace pelorin {
namespace {

using Lines = CStdioFileEx::Lines;

constexpr std::u16string_view kSection = u"[MacroLibrary]";
constexpr std::size_t kActionDigits = MacroKey::kMaxActions * 8;
constexpr std::u16string_view kHexDigits = u"0123456789ABCDEF";

// ---- writing ----

std::u16string locationText(const LibraryLocation& location) {
  return u"stage=" + decimalText(location.stage) + u";stage0Index=" +
         decimalText(location.stage0Index) + u";stage1Index=" + decimalText(location.stage1Index) +
         u";stage2Index=" + decimalText(location.stage2Index) + u";";
}

std::u16string actionLine(const std::u16string& indent, const MacroKey& macro) {
  constexpr std::u16string_view kKey = u"AllAction=";
  std::u16string line(indent.size() + kKey.size() + kActionDigits, u'0');
  char16_t* out = line.data();
  out = std::copy(indent.begin(), indent.end(), out);
  out = std::copy(kKey.begin(), kKey.end(), out);
  for (const MacroAction& action : macro.actions) {
    for (std::uint8_t byte : {action.b0, action.b1, action.b2, action.b3}) {
      *out++ = kHexDigits[byte >> 4];
      *out++ = kHexDigits[byte & 0x0F];
    }
  }
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

// The text after the first "=", or none when the line has no "=" or nothing follows it.
std::optional<std::u16string_view> fieldValue(std::u16string_view line) {
  const auto equals = line.find(u'=');
  if (equals == std::u16string_view::npos || equals + 1 >= line.size()) return std::nullopt;
  return line.substr(equals + 1);
}

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

int hexValue(char16_t digit) {
  if (digit >= u'0' && digit <= u'9') return digit - u'0';
  if (digit >= u'A' && digit <= u'F') return digit - u'A' + 10;
  if (digit >= u'a' && digit <= u'f') return digit - u'a' + 10;
  return -1;
}

// A two-digit hexadecimal number with leading-number semantics: "7G" reads 7, "G7" reads 0.
std::uint8_t hexByte(char16_t high, char16_t low) {
  const int first = hexValue(high);
  if (first < 0) return 0;
  const int second = hexValue(low);
  return static_cast<std::uint8_t>(second < 0 ? first : first * 16 + second);
}

std::uint8_t low8(std::int64_t value) {
  return static_cast<std::uint8_t>(value & 0xFF);
}

class LineCursor {
 public:
  explicit LineCursor(const Lines& lines) : lines_(lines) {}
  bool atEnd() const { return next_ >= lines_.size(); }
  std::optional<std::u16string_view> field() {
    if (atEnd()) return std::nullopt;
    return fieldValue(lines_[next_++]);
  }
  std::optional<std::int64_t> number() {
    const auto value = field();
    if (!value) return std::nullopt;
    return leadingDecimal(*value);
  }
  std::optional<LibraryLocation> location() {
    if (atEnd()) return std::nullopt;
    return locationValue(lines_[next_++]);
  }

 private:
  const Lines& lines_;
  std::size_t next_ = 0;
};

bool readActions(LineCursor& cursor, MacroKey& macro) {
  const auto digits = cursor.field();
  if (!digits || digits->size() != kActionDigits) return false;
  for (std::size_t g = 0; g < MacroKey::kMaxActions; ++g) {
    const std::u16string_view group = digits->substr(g * 8, 8);
    macro.setAction(g, {hexByte(group[0], group[1]), hexByte(group[2], group[3]),
                        hexByte(group[4], group[5]), hexByte(group[6], group[7])});
  }
  return true;
}

std::optional<MacroKey> readMacro(LineCursor& cursor, const std::u16string& name) {
  MacroKey macro = MacroKey::create(name);
  const auto keyIndex = cursor.number();
  const auto loopType = cursor.number();
  const auto loopCount = cursor.number();
  const auto actionCount = cursor.number();
  const auto commandCount = cursor.number();
  if (!keyIndex || !loopType || !loopCount || !actionCount || !commandCount) return std::nullopt;
  macro.keyIndex = static_cast<std::uint32_t>(*keyIndex & 0xFFFFFFFF);
  macro.loopType = low8(*loopType);
  macro.loopCount = low8(*loopCount);
  // The count indexes the action array, so it is held to the array's size.
  macro.actionCount =
      static_cast<std::uint32_t>(std::clamp<std::int64_t>(*actionCount, 0, MacroKey::kMaxActions));
  macro.commandCount = low8(*commandCount);
  if (!readActions(cursor, macro)) return std::nullopt;
  return macro;
}

bool readItem(LineCursor& cursor, MacroLibrary& library) {
  const auto nameField = cursor.field();
  const auto location = cursor.location();
  const auto isFolder = cursor.number();
  const auto isOpen = cursor.number();
  if (!nameField || !location || !isFolder || !isOpen) return false;
  const std::u16string name(*nameField);
  if (*isFolder != 0) return library.putFolder(*location, name, *isOpen != 0);
  auto macro = readMacro(cursor, name);
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
  LineCursor cursor(lines);
  if (cursor.atEnd() || lines.front() != kSection) return;
  cursor.field();
  const auto keyIndex = cursor.number();
  if (!keyIndex) return;
  library.setNextKeyIndex(static_cast<std::int32_t>(
      std::clamp<std::int64_t>(*keyIndex, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max())));
  const auto selection = cursor.location();
  if (!selection) return;
  if (fileSelection != nullptr) *fileSelection = *selection;
  while (!cursor.atEnd() && readItem(cursor, library)) {
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
