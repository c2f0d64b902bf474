#include "pelorinctl/setting_names.h"

#include <charconv>
#include <cstdio>

namespace pelorin::ctl {

LightingControls lightingControls(std::uint8_t mode) {
  switch (mode) {
    case 1:
      return {true, false, true, 0};
    case 2:
      return {true, false, false, 7};
    case 3:
      return {false, true, false, 1};
    case 4:
    case 5:
      return {true, false, false, 0};
    case 6:
      return {false, false, false, 8};
    case 7:
      return {true, false, false, 2};
    default:
      return {};
  }
}

const LightingModeName* lightingModeByName(std::string_view name) {
  for (const auto& mode : kLightingModes) {
    if (name == mode.name) return &mode;
  }
  return nullptr;
}

const LightingModeName* lightingModeByNumber(std::uint8_t mode) {
  for (const auto& entry : kLightingModes) {
    if (entry.mode == mode) return &entry;
  }
  return nullptr;
}

std::string rgbText(ColourRef colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%.6X",
                ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF));
  return text;
}

std::optional<ColourRef> parseRgb(std::string_view text) {
  if (text.size() != 7 || text[0] != '#') return std::nullopt;
  std::uint32_t rgb = 0;
  const auto* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data() + 1, end, rgb, 16);
  if (error != std::errc() || stop != end) return std::nullopt;
  return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

std::optional<int> parseNumber(std::string_view text) {
  int value = 0;
  const auto* end = text.data() + text.size();
  if (text.empty() || text[0] < '0' || text[0] > '9') return std::nullopt;
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::string dpiValuesText(const DpiStepTable& steps) {
  std::vector<int> values;
  for (int step = 0; step < steps.stepCount(); ++step) values.push_back(*steps.dpiOfStep(step));
  std::string out;
  for (std::size_t i = 0; i < values.size();) {
    std::size_t end = i + 1;
    if (end < values.size()) {
      const int stride = values[end] - values[i];
      while (end + 1 < values.size() && values[end + 1] - values[end] == stride) ++end;
    }
    out += out.empty() ? "" : ", ";
    // A run of three or more reads as a range; shorter ones are listed.
    if (end - i >= 2) {
      out += std::to_string(values[i]) + " to " + std::to_string(values[end]) + " in steps of " +
             std::to_string(values[i + 1] - values[i]);
      i = end + 1;
    } else {
      out += std::to_string(values[i]);
      i += 1;
    }
  }
  return out;
}

namespace {

std::string dpiLine(const ProfileRecord& record, const DpiStepTable& steps, int level) {
  std::string line = "dpi " + std::to_string(level + 1);
  if (const auto dpi = steps.dpiOfStep(record.XYSetting[static_cast<std::size_t>(level)])) {
    line += " " + std::to_string(*dpi);
  }
  line += (record.DPIOffOnFlag >> level) & 1 ? " on" : " off";
  line += " colour " + rgbText(record.DPILevelIndication[static_cast<std::size_t>(level)]);
  if (levelOfOrdinal(record.DPIOffOnFlag, record.CurrentDPILevel) == level) line += " current";
  return line;
}

std::string lightingLine(const ProfileRecord& record) {
  const std::uint8_t mode = record.Lighting1ModeValue[0];
  const auto* named = lightingModeByNumber(mode);
  std::string line = "lighting " + (named ? std::string(named->name) : std::to_string(mode));
  if (mode >= kLightingModeCount) return line;
  const auto controls = lightingControls(mode);
  if (controls.speed) line += " --speed " + std::to_string(record.Lighting1Speed[mode] + 1);
  if (controls.brightness) {
    line +=
        " --brightness " + std::to_string(kBrightnessPercent[record.Lighting1Brightness[mode] % 4]);
  }
  if (controls.direction)
    line += record.Lighting1Direction[mode] ? " --direction up" : " --direction down";
  for (int slot = 0; slot < controls.colourSlots; ++slot) {
    const auto k = static_cast<std::size_t>(slot);
    if (record.Lighting1ColorSelected[mode][k] == 0) continue;
    line += " --colour " + std::to_string(slot + 1) + " " +
            rgbText(record.Lighting1FixedColor[mode][k]);
  }
  return line;
}

}  // namespace

std::vector<std::string> settingLines(const ProfileRecord& record, const DpiStepTable& steps) {
  std::vector<std::string> lines;
  for (int level = 0; level < static_cast<int>(kDpiLevelCount); ++level) {
    lines.push_back(dpiLine(record, steps, level));
  }
  lines.push_back("polling " + std::to_string(pollingRateOf(record.PollingRateValue[0]).hz));
  lines.push_back(lightingLine(record));
  lines.push_back("debounce " + std::to_string(record.number(Setting::KeyDebounce)));
  const bool low = record.number(Setting::LiftDetectionHeight) == kLiftOffHeights[0].stored;
  lines.push_back(std::string("liftoff ") + kLiftOffHeights[low ? 0 : 1].word);
  lines.push_back("power " + std::to_string(record.number(Setting::PowerDownTime)));
  lines.push_back(std::string("motion-wakeup ") +
                  (record.number(Setting::MotionWakeup) == 1 ? "on" : "off"));
  return lines;
}

}  // namespace pelorin::ctl
