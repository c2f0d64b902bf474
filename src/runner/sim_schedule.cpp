#include "runner/sim_schedule.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace pelorin {
namespace {

using Action = SimStep::Action;

struct Name {
  std::string_view text;
  Action action;
  bool takesValue;
  int maxValue;
};

constexpr std::array<Name, 11> kNames{{
    {"dpi", Action::PressDpi, false, 0},
    {"polling", Action::PressPolling, false, 0},
    {"plug-cable", Action::PlugCable, false, 0},
    {"unplug-cable", Action::UnplugCable, false, 0},
    {"plug-receiver", Action::PlugReceiver, false, 0},
    {"unplug-receiver", Action::UnplugReceiver, false, 0},
    {"battery", Action::SetBattery, true, 255},
    {"charge", Action::SetCharge, true, 255},
    {"link", Action::SetLink, true, 255},
    {"sensor", Action::SetSensor, true, 255},
    {"status", Action::RequestStatus, false, 0},
}};

// Decimal, or hexadecimal after "0x".
std::optional<long long> number(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  long long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::optional<SimStep> parseItem(std::string_view item) {
  const auto at = item.rfind('@');
  if (at == std::string_view::npos) return std::nullopt;
  const auto when = number(item.substr(at + 1));
  if (!when || *when < 0 || *when > 86'400'000) return std::nullopt;
  std::string_view what = item.substr(0, at);
  std::optional<long long> value;
  if (const auto eq = what.find('='); eq != std::string_view::npos) {
    value = number(what.substr(eq + 1));
    what = what.substr(0, eq);
  }
  for (const Name& name : kNames) {
    if (name.text != what || name.takesValue != value.has_value()) continue;
    if (value && (*value < 0 || *value > name.maxValue)) return std::nullopt;
    return SimStep{static_cast<std::uint64_t>(*when), name.action, value ? int(*value) : 0};
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<SimStep>> parseSimSchedule(std::string_view text, std::string& error) {
  std::vector<SimStep> steps;
  while (!text.empty()) {
    const auto comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    const auto step = parseItem(item);
    if (!step) {
      error = std::string(item);
      return std::nullopt;
    }
    steps.push_back(*step);
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
  }
  std::stable_sort(steps.begin(), steps.end(),
                   [](const SimStep& a, const SimStep& b) { return a.atMs < b.atMs; });
  return steps;
}

}  // namespace pelorin
