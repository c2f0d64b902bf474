#include "profile/profile_file.h"

#include <functional>
#include <optional>
#include <string>

#include "common/hex_text.h"
#include "common/line_reader.h"
#include "keys/decimal_text.h"
#include "macro/action_string.h"
#include "macro/command_count.h"

namespace pelorin {
namespace {

using Lines = CStdioFileEx::Lines;

constexpr std::u16string_view kHeader = u"[Setting]";
// Line kinds: most lines need a key; the decimal lines need a value instead; a macro's name line
// only needs its "=".
constexpr KeyValueRule kKeyed{.needsKey = true};
constexpr KeyValueRule kNumber{.needsValue = true};
constexpr KeyValueRule kAnyText{};

// Files carry colours as red, green, blue; the program keeps them as 0x00BBGGRR.
std::uint32_t rgbOf(ColourRef colour) {
  return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

// ---- writing -------------------------------------------------------------------------------

std::u16string ascii(std::string_view text) {
  return {text.begin(), text.end()};
}

void appendTriple(std::u16string& out, const ByteTriple& bytes) {
  appendHexBytes(out, bytes);
}

void appendColour(std::u16string& out, ColourRef colour) {
  appendHex(out, rgbOf(colour), 6);
}

template <typename T, typename Project = std::identity>
std::u16string tableRows(const PerModeAndSlot<T>& values, std::size_t digits,
                         Project project = {}) {
  std::u16string out;
  for (const auto& row : values) appendHexRow(out, row, digits, project);
  return out;
}

void formatDpi(const ProfileRecord& record, Lines& lines) {
  std::u16string line = u"DPIOffOnFlagValue=";
  appendHexByte(line, record.DPIOffOnFlag);
  lines.push_back(line);
  for (std::size_t level = 0; level < kDpiLevelCount; ++level) {
    line = ascii("\tXYSetting" + std::to_string(level + 1) + "Value=");
    appendHex(line, record.XYSetting[level], 4);
    lines.push_back(line);
  }
  line = u"\tCurrentDPILevelValue=";
  appendHexByte(line, record.CurrentDPILevel);
  lines.push_back(line);
  for (std::size_t level = 0; level < kDpiLevelCount; ++level) {
    line = ascii("\tDPILevelIndication" + std::to_string(level) + "Valuer=");
    appendColour(line, record.DPILevelIndication[level]);
    lines.push_back(line);
  }
  line = u"\tAngleSnapValue=";
  appendHexByte(line, record.AngleSnap);
  lines.push_back(line);
  line = u"\tLiftDetectionValue=";
  appendHexByte(line, record.LiftDetection);
  lines.push_back(line);
}

void formatLighting(const ProfileRecord& record, Lines& lines) {
  auto byteLine = [&lines](std::u16string text, std::uint8_t value) {
    appendHexByte(text, value);
    lines.push_back(std::move(text));
  };
  auto tripleLine = [&lines](std::u16string text, const ByteTriple& value) {
    appendTriple(text, value);
    lines.push_back(std::move(text));
  };
  auto listLine = [&lines](std::u16string text, const PerLightingMode<std::uint8_t>& values) {
    appendHexList(text, values, 2);
    lines.push_back(std::move(text));
  };
  lines.push_back(u"PollingRateName=" + record.PollingRateName);
  tripleLine(u"\tPollingRateValue=", record.PollingRateValue);
  lines.push_back(u"Lighting1Name=" + record.Lighting1Name);
  tripleLine(u"\tLighting1ModeValue=", record.Lighting1ModeValue);
  byteLine(u"\tLighting1OffOn=", record.Lighting1OffOn);
  listLine(u"\tLighting1Speed=", record.Lighting1Speed);
  listLine(u"\tLighting1Brightness=", record.Lighting1Brightness);
  lines.push_back(u"\tLighting1ColorSelected=" + tableRows(record.Lighting1ColorSelected, 2));
  lines.push_back(u"\tLighting1FixedColor=" + tableRows(record.Lighting1FixedColor, 6, rgbOf));
  listLine(u"\tLighting1Direction=", record.Lighting1Direction);
  lines.push_back(u"Lighting2Name=" + record.Lighting2Name);
  tripleLine(u"\tLighting2ModeValue=", record.Lighting2ModeValue);
  byteLine(u"\tLighting2OffOn=", record.Lighting2OffOn);
  byteLine(u"\tLighting2Speed=", record.Lighting2Speed);
  byteLine(u"\tLighting2Brightness=", record.Lighting2Brightness);
  std::u16string line = u"\tLighting2FixedColor=";
  appendColour(line, record.Lighting2FixedColor);
  lines.push_back(line);
}

void formatKey(const KeySlot& slot, std::size_t k, Lines& lines) {
  const auto number = std::to_string(k);
  lines.push_back(ascii("Key" + number + "Name=") + slot.Name);
  std::u16string line = ascii("\tKey" + number + "Value=");
  appendTriple(line, {slot.Value.type, slot.Value.param1, slot.Value.param2});
  lines.push_back(line);
  lines.push_back(ascii("\tMacroKeyIndex=" + std::to_string(slot.MacroKeyIndex)));
  lines.push_back(ascii("\tMacroKey" + number + "Name=") + slot.Macro.name);
  lines.push_back(ascii("\t\tMacroActionNum=" + std::to_string(slot.Macro.actionCount)));
  line = u"\t\tAllAction=";
  appendActionString(line, slot.Macro);
  lines.push_back(std::move(line));
}

// ---- reading -------------------------------------------------------------------------------

std::uint8_t byteAt(std::u16string_view value, std::size_t offset = 0) {
  return static_cast<std::uint8_t>(hexAt(value, offset, 2));
}

ByteTriple tripleAt(std::u16string_view value, std::size_t offset = 0) {
  return {byteAt(value, offset), byteAt(value, offset + 2), byteAt(value, offset + 4)};
}

// Each of the three bytes is its own two-digit piece, as in every three-byte field.
ColourRef colourAt(std::u16string_view value, std::size_t offset = 0) {
  const auto rgb = tripleAt(value, offset);
  return ColourRef{rgb[0]} | (ColourRef{rgb[1]} << 8) | (ColourRef{rgb[2]} << 16);
}

void readByteList(std::u16string_view value, PerLightingMode<std::uint8_t>& out) {
  for (std::size_t mode = 0; mode < out.size(); ++mode) {
    out[mode] = static_cast<std::uint8_t>(hexListItem(value, mode, 2));
  }
}

// Every line after the pairs: a key is needed unless the caller says otherwise.
std::optional<std::u16string_view> next(LineReader& reader, KeyValueRule rule = kKeyed) {
  return reader.value(rule);
}

bool readPairs(LineReader& reader, ProfileRecord& record) {
  for (auto& pair : record.pairs) {
    const auto field = reader.field(kKeyed);
    if (!field) return false;
    pair = {std::u16string(field->key), std::u16string(field->value)};
  }
  return true;
}

bool readDpi(LineReader& reader, ProfileRecord& record) {
  auto value = next(reader);
  if (!value) return false;
  record.DPIOffOnFlag = byteAt(*value);
  for (auto& step : record.XYSetting) {
    if (!(value = next(reader))) return false;
    step = static_cast<DpiStepIndex>(hexAt(*value, 0, 4));
  }
  if (!(value = next(reader))) return false;
  record.CurrentDPILevel = byteAt(*value);
  for (auto& colour : record.DPILevelIndication) {
    if (!(value = next(reader))) return false;
    colour = colourAt(*value);
  }
  if (!(value = next(reader))) return false;
  record.AngleSnap = byteAt(*value);
  if (!(value = next(reader))) return false;
  record.LiftDetection = byteAt(*value);
  return true;
}

bool readZoneOne(LineReader& reader, ProfileRecord& record) {
  auto value = next(reader);
  if (!value) return false;
  record.Lighting1Name = *value;
  if (!(value = next(reader))) return false;
  record.Lighting1ModeValue = tripleAt(*value);
  if (!(value = next(reader))) return false;
  record.Lighting1OffOn = byteAt(*value);
  if (!(value = next(reader))) return false;
  readByteList(*value, record.Lighting1Speed);
  if (!(value = next(reader))) return false;
  readByteList(*value, record.Lighting1Brightness);
  if (!(value = next(reader))) return false;
  for (std::size_t mode = 0; mode < kLightingModeCount; ++mode) {
    for (std::size_t slot = 0; slot < kLightingColourSlots; ++slot) {
      record.Lighting1ColorSelected[mode][slot] =
          static_cast<std::uint8_t>(hexListItem(*value, mode * kLightingColourSlots + slot, 2));
    }
  }
  if (!(value = next(reader))) return false;
  for (std::size_t mode = 0; mode < kLightingModeCount; ++mode) {
    for (std::size_t slot = 0; slot < kLightingColourSlots; ++slot) {
      record.Lighting1FixedColor[mode][slot] =
          colourAt(*value, (mode * kLightingColourSlots + slot) * 7);
    }
  }
  if (!(value = next(reader))) return false;
  readByteList(*value, record.Lighting1Direction);
  return true;
}

bool readLighting(LineReader& reader, ProfileRecord& record) {
  auto value = next(reader);
  if (!value) return false;
  record.PollingRateName = *value;
  if (!(value = next(reader))) return false;
  record.PollingRateValue = tripleAt(*value);
  if (!readZoneOne(reader, record)) return false;
  if (!(value = next(reader))) return false;
  record.Lighting2Name = *value;
  if (!(value = next(reader))) return false;
  record.Lighting2ModeValue = tripleAt(*value);
  if (!(value = next(reader))) return false;
  record.Lighting2OffOn = byteAt(*value);
  if (!(value = next(reader))) return false;
  record.Lighting2Speed = byteAt(*value);
  if (!(value = next(reader))) return false;
  record.Lighting2Brightness = byteAt(*value);
  if (!(value = next(reader))) return false;
  record.Lighting2FixedColor = colourAt(*value);
  return true;
}

bool readKey(LineReader& reader, KeySlot& slot) {
  auto value = next(reader);
  if (!value) return false;
  slot.Name = *value;
  if (!(value = next(reader))) return false;
  const auto code = tripleAt(*value);
  slot.Value = {code[0], code[1], code[2]};
  if (!(value = next(reader, kNumber))) return false;
  slot.MacroKeyIndex = static_cast<std::uint32_t>(leadingDecimal(*value));
  if (!(value = next(reader, kAnyText))) return false;
  slot.Macro.name = *value;
  if (!(value = next(reader, kNumber))) return false;
  const auto actionCount = static_cast<std::uint32_t>(leadingDecimal(*value));
  if (!(value = next(reader, kNumber)) || !readActionString(*value, slot.Macro)) return false;
  slot.Macro.actionCount = actionCount;
  // The file keeps no command count: it is the entries the actions produce. The upload holds a
  // copy to the mouse's ranges itself, and the slots are kept as the file has them.
  command_count::recount(slot.Macro);
  return true;
}

}  // namespace

CStdioFileEx::Lines formatProfile(const ProfileRecord& record) {
  Lines lines;
  lines.reserve(kProfileFileLineCount);
  lines.emplace_back(kHeader);
  for (const auto& pair : record.pairs) lines.push_back(pair.key + u"=" + pair.value);
  formatDpi(record, lines);
  formatLighting(record, lines);
  for (std::size_t k = 0; k < record.keys.size(); ++k) formatKey(record.keys[k], k, lines);
  return lines;
}

bool parseProfile(const CStdioFileEx::Lines& lines, ProfileRecord& record) {
  LineReader reader(lines);
  if (!reader.header(kHeader)) return false;
  if (!readPairs(reader, record) || !readDpi(reader, record) || !readLighting(reader, record)) {
    return false;
  }
  for (auto& slot : record.keys) {
    if (!readKey(reader, slot)) return false;
  }
  return true;
}

bool writeProfileFile(const ProfileRecord& record, const std::filesystem::path& path) {
  return !path.empty() && CStdioFileEx::writeLines(path, formatProfile(record));
}

bool readProfileFile(ProfileTable& table, std::size_t index, const std::filesystem::path& path,
                     const std::filesystem::path& slotPath, const LanguageTable& texts) {
  ProfileRecord* record = table.record(index);
  if (record == nullptr) return false;
  const auto lines = path.empty() ? std::nullopt : CStdioFileEx::readLines(path);
  if (lines && parseProfile(*lines, *record)) return true;
  table.resetProfile(index, texts);
  writeProfileFile(*record, slotPath);
  return false;
}

}  // namespace pelorin
