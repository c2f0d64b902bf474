#include "profile/profile_file.h"

#include <optional>
#include <string>

#include "common/hex_text.h"
#include "keys/decimal_text.h"
#include "macro/command_count.h"

namespace pelorin {
namespace {

using Lines = CStdioFileEx::Lines;

constexpr std::u16string_view kHeader = u"[Setting]";
constexpr char16_t kDigits[] = u"0123456789ABCDEF";

// ---- writing -------------------------------------------------------------------------------

void appendHex(std::u16string& out, unsigned value, int digits) {
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += kDigits[(value >> shift) & 0xF];
}

void appendByte(std::u16string& out, std::uint8_t value) {
  appendHex(out, value, 2);
}

void appendTriple(std::u16string& out, const ByteTriple& bytes) {
  for (auto byte : bytes) appendByte(out, byte);
}

// Files carry colours as red, green, blue; the program keeps them as 0x00BBGGRR.
void appendColour(std::u16string& out, ColourRef colour) {
  for (int shift : {0, 8, 16}) appendByte(out, static_cast<std::uint8_t>(colour >> shift));
}

std::u16string ascii(std::string_view text) {
  return {text.begin(), text.end()};
}

std::u16string byteList(const PerLightingMode<std::uint8_t>& values) {
  std::u16string out;
  for (std::size_t mode = 0; mode < values.size(); ++mode) {
    if (mode > 0) out += u'|';
    appendByte(out, values[mode]);
  }
  return out;
}

template <typename T, typename Append>
std::u16string perModeList(const PerModeAndSlot<T>& values, Append append) {
  std::u16string out;
  for (const auto& slots : values) {
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
      append(out, slots[slot]);
      out += slot + 1 < slots.size() ? u'|' : u';';
    }
  }
  return out;
}

void formatDpi(const ProfileRecord& record, Lines& lines) {
  std::u16string line = u"DPIOffOnFlagValue=";
  appendByte(line, record.DPIOffOnFlag);
  lines.push_back(line);
  for (std::size_t level = 0; level < kDpiLevelCount; ++level) {
    line = ascii("\tXYSetting" + std::to_string(level + 1) + "Value=");
    appendHex(line, record.XYSetting[level], 4);
    lines.push_back(line);
  }
  line = u"\tCurrentDPILevelValue=";
  appendByte(line, record.CurrentDPILevel);
  lines.push_back(line);
  for (std::size_t level = 0; level < kDpiLevelCount; ++level) {
    line = ascii("\tDPILevelIndication" + std::to_string(level) + "Valuer=");
    appendColour(line, record.DPILevelIndication[level]);
    lines.push_back(line);
  }
  line = u"\tAngleSnapValue=";
  appendByte(line, record.AngleSnap);
  lines.push_back(line);
  line = u"\tLiftDetectionValue=";
  appendByte(line, record.LiftDetection);
  lines.push_back(line);
}

void formatLighting(const ProfileRecord& record, Lines& lines) {
  std::u16string line;
  auto byteLine = [&lines](std::u16string text, std::uint8_t value) {
    appendByte(text, value);
    lines.push_back(std::move(text));
  };
  auto tripleLine = [&lines](std::u16string text, const ByteTriple& value) {
    appendTriple(text, value);
    lines.push_back(std::move(text));
  };
  lines.push_back(u"PollingRateName=" + record.PollingRateName);
  tripleLine(u"\tPollingRateValue=", record.PollingRateValue);
  lines.push_back(u"Lighting1Name=" + record.Lighting1Name);
  tripleLine(u"\tLighting1ModeValue=", record.Lighting1ModeValue);
  byteLine(u"\tLighting1OffOn=", record.Lighting1OffOn);
  lines.push_back(u"\tLighting1Speed=" + byteList(record.Lighting1Speed));
  lines.push_back(u"\tLighting1Brightness=" + byteList(record.Lighting1Brightness));
  lines.push_back(u"\tLighting1ColorSelected=" +
                  perModeList(record.Lighting1ColorSelected, appendByte));
  lines.push_back(u"\tLighting1FixedColor=" +
                  perModeList(record.Lighting1FixedColor, appendColour));
  lines.push_back(u"\tLighting1Direction=" + byteList(record.Lighting1Direction));
  lines.push_back(u"Lighting2Name=" + record.Lighting2Name);
  tripleLine(u"\tLighting2ModeValue=", record.Lighting2ModeValue);
  byteLine(u"\tLighting2OffOn=", record.Lighting2OffOn);
  byteLine(u"\tLighting2Speed=", record.Lighting2Speed);
  byteLine(u"\tLighting2Brightness=", record.Lighting2Brightness);
  line = u"\tLighting2FixedColor=";
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
  line.reserve(line.size() + kAllActionDigits);
  for (const auto& action : slot.Macro.actions) {
    for (auto byte : {action.b0, action.b1, action.b2, action.b3}) appendByte(line, byte);
  }
  lines.push_back(std::move(line));
}

// ---- reading -------------------------------------------------------------------------------

unsigned hexPiece(std::u16string_view value, std::size_t offset, std::size_t width) {
  return offset < value.size() ? leadingHex(value.substr(offset), width) : 0;
}

std::uint8_t byteAt(std::u16string_view value, std::size_t offset) {
  return static_cast<std::uint8_t>(hexPiece(value, offset, 2));
}

ByteTriple tripleAt(std::u16string_view value, std::size_t offset = 0) {
  return {byteAt(value, offset), byteAt(value, offset + 2), byteAt(value, offset + 4)};
}

ColourRef colourAt(std::u16string_view value, std::size_t offset = 0) {
  const auto rgb = tripleAt(value, offset);
  return ColourRef{rgb[0]} | (ColourRef{rgb[1]} << 8) | (ColourRef{rgb[2]} << 16);
}

void readByteList(std::u16string_view value, PerLightingMode<std::uint8_t>& out) {
  for (std::size_t mode = 0; mode < out.size(); ++mode) out[mode] = byteAt(value, mode * 3);
}

// Hands out the lines after the header one at a time and applies the rule of the line kind.
class LineReader {
 public:
  explicit LineReader(const Lines& lines) : lines_(lines) {}

  // "=" present and not first; the value may be empty.
  std::optional<std::u16string_view> value() { return next(1, false); }
  // "=" present and not last; the key may be empty.
  std::optional<std::u16string_view> number() { return next(0, true); }
  // "=" present anywhere.
  std::optional<std::u16string_view> text() { return next(0, false); }
  std::u16string_view keyOfLast() const { return last_.substr(0, equals_); }

 private:
  std::optional<std::u16string_view> next(std::size_t minKey, bool needValue) {
    if (at_ >= lines_.size()) return std::nullopt;
    last_ = lines_[at_++];
    equals_ = last_.find(u'=');
    if (equals_ == std::u16string_view::npos || equals_ < minKey) return std::nullopt;
    if (needValue && equals_ + 1 >= last_.size()) return std::nullopt;
    return last_.substr(equals_ + 1);
  }

  const Lines& lines_;
  std::size_t at_ = 1;
  std::u16string_view last_;
  std::size_t equals_ = 0;
};

bool readPairs(LineReader& reader, ProfileRecord& record) {
  for (auto& pair : record.pairs) {
    const auto value = reader.value();
    if (!value) return false;
    pair = {std::u16string(reader.keyOfLast()), std::u16string(*value)};
  }
  return true;
}

bool readDpi(LineReader& reader, ProfileRecord& record) {
  auto value = reader.value();
  if (!value) return false;
  record.DPIOffOnFlag = byteAt(*value, 0);
  for (auto& step : record.XYSetting) {
    if (!(value = reader.value())) return false;
    step = static_cast<DpiStepIndex>(hexPiece(*value, 0, 4));
  }
  if (!(value = reader.value())) return false;
  record.CurrentDPILevel = byteAt(*value, 0);
  for (auto& colour : record.DPILevelIndication) {
    if (!(value = reader.value())) return false;
    colour = colourAt(*value);
  }
  if (!(value = reader.value())) return false;
  record.AngleSnap = byteAt(*value, 0);
  if (!(value = reader.value())) return false;
  record.LiftDetection = byteAt(*value, 0);
  return true;
}

bool readZoneOne(LineReader& reader, ProfileRecord& record) {
  auto value = reader.value();
  if (!value) return false;
  record.Lighting1Name = *value;
  if (!(value = reader.value())) return false;
  record.Lighting1ModeValue = tripleAt(*value);
  if (!(value = reader.value())) return false;
  record.Lighting1OffOn = byteAt(*value, 0);
  if (!(value = reader.value())) return false;
  readByteList(*value, record.Lighting1Speed);
  if (!(value = reader.value())) return false;
  readByteList(*value, record.Lighting1Brightness);
  if (!(value = reader.value())) return false;
  for (std::size_t mode = 0; mode < kLightingModeCount; ++mode) {
    for (std::size_t slot = 0; slot < kLightingColourSlots; ++slot) {
      record.Lighting1ColorSelected[mode][slot] =
          byteAt(*value, (mode * kLightingColourSlots + slot) * 3);
    }
  }
  if (!(value = reader.value())) return false;
  for (std::size_t mode = 0; mode < kLightingModeCount; ++mode) {
    for (std::size_t slot = 0; slot < kLightingColourSlots; ++slot) {
      record.Lighting1FixedColor[mode][slot] =
          colourAt(*value, (mode * kLightingColourSlots + slot) * 7);
    }
  }
  if (!(value = reader.value())) return false;
  readByteList(*value, record.Lighting1Direction);
  return true;
}

bool readLighting(LineReader& reader, ProfileRecord& record) {
  auto value = reader.value();
  if (!value) return false;
  record.PollingRateName = *value;
  if (!(value = reader.value())) return false;
  record.PollingRateValue = tripleAt(*value);
  if (!readZoneOne(reader, record)) return false;
  if (!(value = reader.value())) return false;
  record.Lighting2Name = *value;
  if (!(value = reader.value())) return false;
  record.Lighting2ModeValue = tripleAt(*value);
  if (!(value = reader.value())) return false;
  record.Lighting2OffOn = byteAt(*value, 0);
  if (!(value = reader.value())) return false;
  record.Lighting2Speed = byteAt(*value, 0);
  if (!(value = reader.value())) return false;
  record.Lighting2Brightness = byteAt(*value, 0);
  if (!(value = reader.value())) return false;
  record.Lighting2FixedColor = colourAt(*value);
  return true;
}

bool readKey(LineReader& reader, KeySlot& slot) {
  auto value = reader.value();
  if (!value) return false;
  slot.Name = *value;
  if (!(value = reader.value())) return false;
  const auto code = tripleAt(*value);
  slot.Value = {code[0], code[1], code[2]};
  if (!(value = reader.number())) return false;
  slot.MacroKeyIndex = static_cast<std::uint32_t>(leadingDecimal(*value));
  if (!(value = reader.text())) return false;
  slot.Macro.name = *value;
  if (!(value = reader.number())) return false;
  const auto actionCount = static_cast<std::uint32_t>(leadingDecimal(*value));
  if (!(value = reader.number()) || value->size() != kAllActionDigits) return false;
  slot.Macro.actionCount = actionCount;
  for (std::size_t i = 0; i < MacroKey::kMaxActions; ++i) {
    slot.Macro.actions[i] = {byteAt(*value, i * 8), byteAt(*value, i * 8 + 2),
                             byteAt(*value, i * 8 + 4), byteAt(*value, i * 8 + 6)};
  }
  // The file keeps no command count, and the upload announces the macro's entries by it.
  slot.Macro.commandCount = command_count::ofActions(slot.Macro);
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
  if (lines.empty() || lines[0] != kHeader) return false;
  LineReader reader(lines);
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
