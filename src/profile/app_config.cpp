#include "profile/app_config.h"

#include <algorithm>

#include "common/hex_text.h"
#include "common/line_reader.h"
#include "keys/decimal_text.h"
#include "profile/data_folder.h"

namespace pelorin {
namespace {

constexpr std::u16string_view kHeader = u"[Setting]";

constexpr std::size_t position(ConfigEntry entry) {
  return static_cast<std::size_t>(entry);
}

ConfigEntry offset(ConfigEntry first, std::size_t by) {
  return static_cast<ConfigEntry>(position(first) + by);
}

}  // namespace

bool ShowList::valid() const {
  if (count < 0 || count > static_cast<int>(kProfileCount)) return false;
  auto sorted = order;
  std::sort(sorted.begin(), sorted.end());
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    if (sorted[i] != static_cast<int>(i)) return false;
  }
  return true;
}

std::u16string sensorText(std::uint16_t value) {
  std::size_t digits = 1;
  while (digits < 4 && (value >> (digits * 4)) != 0) ++digits;
  std::u16string text = u"0x" + std::u16string(4 - digits, u' ');
  appendHex(text, value, digits);
  return text;
}

std::uint16_t parseSensorText(std::u16string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == u' ' || text[at] == u'\t')) ++at;
  if (text.substr(at, 2) == u"0x" || text.substr(at, 2) == u"0X") {
    at += 2;
    // The writer pads short values with spaces after the prefix; read them back as well.
    while (at < text.size() && text[at] == u' ') ++at;
  }
  std::size_t digits = 0;
  while (at + digits < text.size() && hexDigitValue(text[at + digits]) >= 0) ++digits;
  // Only the low 16 bits matter, and they are the last four digits.
  const std::size_t skip = digits > 4 ? digits - 4 : 0;
  return static_cast<std::uint16_t>(leadingHex(text.substr(at + skip), digits - skip));
}

AppConfig::AppConfig(std::filesystem::path dataFolder) : dataFolder_(std::move(dataFolder)) {}

std::filesystem::path AppConfig::filePath() const {
  return configFolder(dataFolder_) / kConfigFileName;
}

const std::u16string& AppConfig::value(ConfigEntry entry) const {
  return entries_[position(entry)].value;
}

std::u16string& AppConfig::at(ConfigEntry entry) {
  return entries_[position(entry)].value;
}

int AppConfig::decimal(ConfigEntry entry) const {
  return leadingInt(value(entry));
}

void AppConfig::setDefaults() {
  entries_ = {{{u"NeedPassword", u"1"},
               {u"Sensor", u"0x3325"},
               {u"PreST", u"0xCCDA"},
               {u"Mac_ID", u"0xFFFFFFFF"},
               {u"DataChange", u"0x1234"},
               {u"CurrentProfile", u"0"},
               {u"ProfileShowCount", u"3"}}};
  for (std::size_t i = 0; i < kProfileCount; ++i) {
    const auto number = decimalText(static_cast<std::int64_t>(i));
    entries_[position(offset(ConfigEntry::ProfileShowList0, i))] = {u"ProfileShowList" + number,
                                                                    number};
    const auto slot = configFolder(dataFolder_) / ("default" + std::to_string(i) + ".psf");
    entries_[position(offset(ConfigEntry::ProfileSlot0URL, i))] = {u"ProfileSlot" + number + u"URL",
                                                                   textFromPath(slot)};
  }
}

bool AppConfig::parse(const CStdioFileEx::Lines& lines) {
  LineReader reader(lines);
  if (!reader.header(kHeader) || lines.size() - 1 > kConfigEntryCount) return false;
  for (std::size_t i = 0; !reader.atEnd(); ++i) {
    const auto field = reader.field({.needsKey = true, .needsValue = true});
    if (!field) return false;
    entries_[i] = {std::u16string(field->key), std::u16string(field->value)};
  }
  return true;
}

CStdioFileEx::Lines AppConfig::format() const {
  CStdioFileEx::Lines lines{std::u16string(kHeader)};
  for (const auto& entry : entries_) lines.push_back(entry.key + u"=" + entry.value);
  return lines;
}

bool AppConfig::read() {
  const auto lines = CStdioFileEx::readLines(filePath());
  return lines && parse(*lines);
}

bool AppConfig::save() const {
  return CStdioFileEx::writeLines(filePath(), format());
}

int AppConfig::needPassword() const {
  return decimal(ConfigEntry::NeedPassword);
}

SensorModel AppConfig::sensor() const {
  return {parseSensorText(value(ConfigEntry::Sensor))};
}

std::uint16_t AppConfig::preST() const {
  return parseSensorText(value(ConfigEntry::PreST));
}

int AppConfig::currentProfile() const {
  return decimal(ConfigEntry::CurrentProfile);
}

ShowList AppConfig::showList() const {
  ShowList list{decimal(ConfigEntry::ProfileShowCount), {}};
  for (std::size_t i = 0; i < kProfileCount; ++i) {
    list.order[i] = decimal(offset(ConfigEntry::ProfileShowList0, i));
  }
  return list;
}

std::filesystem::path AppConfig::slotPath(std::size_t profile) const {
  if (profile >= kProfileCount) return {};
  return pathFromText(value(offset(ConfigEntry::ProfileSlot0URL, profile)));
}

void AppConfig::setSensor(SensorModel sensor) {
  at(ConfigEntry::Sensor) = sensorText(sensor.word);
}

void AppConfig::setPreST(std::uint16_t value) {
  at(ConfigEntry::PreST) = sensorText(value);
}

void AppConfig::setCurrentProfile(int profile) {
  at(ConfigEntry::CurrentProfile) = decimalText(profile);
}

bool AppConfig::setShowList(const ShowList& list) {
  if (!list.valid()) return false;
  at(ConfigEntry::ProfileShowCount) = decimalText(list.count);
  for (std::size_t i = 0; i < kProfileCount; ++i) {
    at(offset(ConfigEntry::ProfileShowList0, i)) = decimalText(list.order[i]);
  }
  return true;
}

}  // namespace pelorin
