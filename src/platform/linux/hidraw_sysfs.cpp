#include "platform/linux/hidraw_sysfs.h"

#include <algorithm>
#include <charconv>
#include <sstream>
#include <system_error>
#include <tuple>

#include "common/file_bytes.h"
#include "platform/linux/report_descriptor.h"

namespace pelorin {
namespace {

namespace fs = std::filesystem;

struct HidIds {
  std::uint16_t vendor = 0;
  std::uint16_t product = 0;
};

std::optional<std::uint32_t> parseHex(std::string_view text) {
  std::uint32_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// "HID_ID=0003:0000248A:00005B2E": bus, vendor, product in hexadecimal.
std::optional<HidIds> parseHidId(std::string_view value) {
  auto first = value.find(':');
  auto second = value.find(':', first + 1);
  if (first == std::string_view::npos || second == std::string_view::npos) return std::nullopt;
  auto vendor = parseHex(value.substr(first + 1, second - first - 1));
  auto product = parseHex(value.substr(second + 1));
  if (!vendor || !product || *vendor > 0xFFFF || *product > 0xFFFF) return std::nullopt;
  return HidIds{static_cast<std::uint16_t>(*vendor), static_cast<std::uint16_t>(*product)};
}

std::optional<HidIds> readHidIds(const fs::path& uevent) {
  const auto text = readFileBytes(uevent);
  if (!text) return std::nullopt;
  constexpr std::string_view kKey = "HID_ID=";
  std::istringstream in(*text);
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with(kKey)) return parseHidId(std::string_view(line).substr(kKey.size()));
  }
  return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> readBytes(const fs::path& file) {
  const auto bytes = readFileBytes(file);
  if (!bytes) return std::nullopt;
  return std::vector<std::uint8_t>(bytes->begin(), bytes->end());
}

// The number in "hidraw12"; nullopt for names that are not hidraw nodes.
std::optional<unsigned> nodeNumber(const std::string& name) {
  constexpr std::string_view kPrefix = "hidraw";
  if (!name.starts_with(kPrefix) || name.size() == kPrefix.size()) return std::nullopt;
  unsigned number = 0;
  const char* end = name.data() + name.size();
  auto [stop, error] = std::from_chars(name.data() + kPrefix.size(), end, number);
  if (error != std::errc{} || stop != end) return std::nullopt;
  return number;
}

fs::path nodeFolder(const HidrawRoots& roots, const std::string& name) {
  return roots.sysfs / "class" / "hidraw" / name;
}

}  // namespace

std::optional<HidInterfaceInfo> describeHidrawNode(const HidrawRoots& roots,
                                                   const std::string& name) {
  if (!nodeNumber(name)) return std::nullopt;
  fs::path device = nodeFolder(roots, name) / "device";
  auto ids = readHidIds(device / "uevent");
  auto descriptor = readBytes(device / "report_descriptor");
  if (!ids || !descriptor) return std::nullopt;
  auto lengths = reportLengths(*descriptor);
  if (!lengths) return std::nullopt;
  HidInterfaceInfo info;
  info.path = (roots.dev / name).string();
  info.vendorId = ids->vendor;
  info.productId = ids->product;
  info.inputReportLength = lengths->input;
  info.featureReportLength = lengths->feature;
  return info;
}

std::vector<HidInterfaceInfo> enumerateHidrawNodes(const HidrawRoots& roots) {
  // The parent device's real path groups a product's interfaces and stays put across rescans.
  using Key = std::tuple<std::string, unsigned, std::string>;
  std::vector<Key> nodes;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(roots.sysfs / "class" / "hidraw", error)) {
    std::string name = entry.path().filename().string();
    auto number = nodeNumber(name);
    if (!number) continue;
    std::error_code ignored;
    fs::path parent = fs::weakly_canonical(entry.path() / "device", ignored);
    nodes.emplace_back(parent.string(), *number, name);
  }
  std::sort(nodes.begin(), nodes.end());
  std::vector<HidInterfaceInfo> result;
  for (const auto& [parent, number, name] : nodes) {
    auto info = describeHidrawNode(roots, name);
    if (!info) continue;
    info->memberIndex = static_cast<int>(result.size());
    result.push_back(*info);
  }
  return result;
}

}  // namespace pelorin
