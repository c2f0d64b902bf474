#include "pelorinctl/setting_edit.h"

#include <cstdio>
#include <functional>

#include "common/utf.h"
#include "pelorinctl/button_edit.h"
#include "pelorinctl/setting_names.h"
#include "profile/profile_rules.h"
#include "profile/value_domains.h"

namespace pelorin::ctl {
namespace {

using Words = std::span<const std::string>;

EditOutcome refused(std::string why) {
  return {SettingGroup::Performance, std::move(why)};
}

EditOutcome made(SettingGroup group) {
  return {group, {}};
}

std::string sensorName(std::uint16_t sensor) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%.4X", sensor);
  return text;
}

// The window's check box rule, from the core: the last enabled level stays on.
std::string switchLevel(ProfileRecord& record, int level, bool on) {
  if (switchDpiLevel(record, level, on) != DpiSwitch::LastLevelStays) return {};
  return "DPI level " + std::to_string(level + 1) + " is the only one on; one level stays on";
}

std::string setDpiValue(ProfileRecord& record, int level, int dpi, const EditEnv& env) {
  for (int step = 0; step < env.steps.stepCount(); ++step) {
    if (env.steps.dpiOfStep(step) == dpi) {
      record.XYSetting[static_cast<std::size_t>(level)] = static_cast<DpiStepIndex>(step);
      return {};
    }
  }
  return std::to_string(dpi) + " DPI is not offered by sensor " + sensorName(env.sensor) +
         "; accepted: " + dpiValuesText(env.steps);
}

// dpi LEVEL then any of: VALUE, on, off, colour #RRGGBB, current
EditOutcome editDpi(Words words, ProfileRecord& record, const EditEnv& env) {
  const auto level = words.empty() ? std::nullopt : parseNumber(words[0]);
  if (!level || *level < 1 || *level > static_cast<int>(kDpiLevelCount) || words.size() < 2) {
    return refused("set dpi LEVEL VALUE|on|off|colour #RRGGBB|current  (LEVEL 1..8)");
  }
  const int k = *level - 1;
  for (std::size_t i = 1; i < words.size(); ++i) {
    const std::string& word = words[i];
    std::string error;
    if (word == "on" || word == "off") {
      error = switchLevel(record, k, word == "on");
    } else if (word == "current") {
      if (!makeDpiLevelCurrent(record, k))
        return refused("DPI level " + words[0] + " is off; turn it on first");
    } else if (word == "colour" || word == "color") {
      const auto colour = i + 1 < words.size() ? parseRgb(words[++i]) : std::nullopt;
      if (!colour) return refused("a DPI colour is written #RRGGBB");
      record.DPILevelIndication[static_cast<std::size_t>(k)] = *colour;
    } else if (const auto dpi = parseNumber(word)) {
      error = setDpiValue(record, k, *dpi, env);
    } else {
      return refused("unknown DPI word '" + word +
                     "'; accepted: a DPI value, on, off, colour #RRGGBB, current");
    }
    if (!error.empty()) return refused(error);
  }
  return made(SettingGroup::Performance);
}

// As the window's rate buttons: the name they write, the reserved bytes kept.
EditOutcome editPolling(Words words, ProfileRecord& record) {
  const auto hz = words.size() == 1 ? parseNumber(words[0]) : std::nullopt;
  const PollingRate* rate = hz ? pollingRateOfHz(*hz) : nullptr;
  if (rate == nullptr)
    return refused("polling rate in Hz: " + wordsOf(kPollingRates, &PollingRate::hz));
  record.PollingRateValue[0] = rate->stored;
  record.PollingRateName = rate->name;
  return made(SettingGroup::Performance);
}

std::string modesWith(bool LightingControls::*control) {
  std::string names;
  for (const auto& mode : kLightingModes) {
    if (!(lightingControls(mode.mode).*control)) continue;
    names += (names.empty() ? "" : ", ") + std::string(mode.name);
  }
  return names;
}

std::string lightingOption(Words words, std::size_t& i, std::uint8_t m, ProfileRecord& record) {
  const auto controls = lightingControls(m);
  const std::string& option = words[i];
  const std::string value = i + 1 < words.size() ? words[++i] : std::string();
  if (option == "--speed") {
    if (!controls.speed)
      return "this effect has no speed; effects with one: " + modesWith(&LightingControls::speed);
    const auto speed = parseNumber(value);
    if (!speed || *speed < 1 || *speed > kLightingSpeedSteps)
      return "speed 1.." + std::to_string(kLightingSpeedSteps);
    record.Lighting1Speed[m] = static_cast<std::uint8_t>(*speed - 1);
  } else if (option == "--brightness") {
    if (!controls.brightness) {
      return "this effect has no brightness; effects with one: " +
             modesWith(&LightingControls::brightness);
    }
    const auto percent = parseNumber(value);
    std::size_t step = 0;
    while (step < kBrightnessPercent.size() && kBrightnessPercent[step] != percent) ++step;
    if (step == kBrightnessPercent.size())
      return "brightness in percent: " + wordsOf(kBrightnessPercent, std::identity{});
    record.Lighting1Brightness[m] = static_cast<std::uint8_t>(step);
  } else if (option == "--direction") {
    if (!controls.direction) {
      return "this effect has no direction; effects with one: " +
             modesWith(&LightingControls::direction);
    }
    if (value != "up" && value != "down") return "direction up or down";
    record.Lighting1Direction[m] = value == "up" ? 1 : 0;
  } else if (option == "--colour" || option == "--color") {
    const auto slot = parseNumber(value);
    const auto colour = i + 1 < words.size() ? parseRgb(words[++i]) : std::nullopt;
    if (!slot || *slot < 1 || *slot > controls.colourSlots) {
      return controls.colourSlots == 0
                 ? "this effect has no colours"
                 : "colour slot 1.." + std::to_string(controls.colourSlots) + " for this effect";
    }
    if (!colour) return "a lighting colour is written #RRGGBB";
    record.Lighting1FixedColor[m][static_cast<std::size_t>(*slot - 1)] = *colour;
    record.Lighting1ColorSelected[m][static_cast<std::size_t>(*slot - 1)] = 1;
  } else {
    return "unknown lighting option '" + option +
           "'; accepted: --speed, --brightness, --direction, --colour";
  }
  return {};
}

EditOutcome editLighting(Words words, ProfileRecord& record, const EditEnv& env) {
  const auto* mode = words.empty() ? nullptr : lightingModeByName(words[0]);
  if (mode == nullptr) {
    std::string names;
    for (const auto& entry : kLightingModes)
      names += (names.empty() ? "" : ", ") + std::string(entry.name);
    return refused("lighting effect: " + names);
  }
  record.Lighting1ModeValue = {mode->mode, 0, 0};
  record.Lighting1Name = env.texts[mode->textId];
  for (std::size_t i = 1; i < words.size(); ++i) {
    if (auto error = lightingOption(words, i, mode->mode, record); !error.empty())
      return refused(error);
  }
  return made(SettingGroup::Performance);
}

std::optional<int> oneNumber(Words words) {
  return words.size() == 1 ? parseNumber(words[0]) : std::nullopt;
}

EditOutcome editDebounce(Words words, ProfileRecord& record) {
  const auto ms = oneNumber(words);
  if (!ms || *ms > 254 || *ms % 2 != 0)
    return refused("debounce time in ms: an even number 0..254");
  record.setKeyDebounce(*ms);
  return made(SettingGroup::Performance);
}

EditOutcome editLiftOff(Words words, ProfileRecord& record) {
  for (const LiftOffHeight& height : kLiftOffHeights) {
    if (words.size() != 1 || words[0] != height.word) continue;
    record.setLiftDetectionHeight(height.stored);
    return made(SettingGroup::Performance);
  }
  return refused("lift-off " + wordsOf(kLiftOffHeights, &LiftOffHeight::word));
}

EditOutcome editPower(Words words, ProfileRecord& record) {
  const auto minutes = oneNumber(words);
  if (!minutes || *minutes < kFirstPowerDownMinutes || *minutes > kLastPowerDownMinutes) {
    return refused("power-saving time in minutes: " + std::to_string(kFirstPowerDownMinutes) +
                   ".." + std::to_string(kLastPowerDownMinutes));
  }
  record.setPowerDownTime(*minutes);
  return made(SettingGroup::Power);
}

EditOutcome editMotionWakeup(Words words, ProfileRecord& record) {
  if (words.size() != 1 || (words[0] != "on" && words[0] != "off"))
    return refused("motion-wakeup on or off");
  record.setMotionWakeup(words[0] == "on" ? 1 : 0);
  return made(SettingGroup::MotionWakeup);
}

}  // namespace

EditOutcome editSetting(const Args& words, ProfileRecord& record, const EditEnv& env) {
  const ProfileRecord before = record;
  const std::string kind = words.empty() ? std::string() : words[0];
  const Words rest = words.empty() ? Words() : Words(words).subspan(1);
  EditOutcome outcome;
  if (kind == "dpi") {
    outcome = editDpi(rest, record, env);
  } else if (kind == "polling") {
    outcome = editPolling(rest, record);
  } else if (kind == "lighting") {
    outcome = editLighting(rest, record, env);
  } else if (kind == "button") {
    outcome = editButton(rest, record, env);
  } else if (kind == "debounce") {
    outcome = editDebounce(rest, record);
  } else if (kind == "liftoff") {
    outcome = editLiftOff(rest, record);
  } else if (kind == "power") {
    outcome = editPower(rest, record);
  } else if (kind == "motion-wakeup") {
    outcome = editMotionWakeup(rest, record);
  } else {
    outcome = refused("set dpi|polling|lighting|button|debounce|liftoff|power|motion-wakeup ...");
  }
  if (!outcome.error.empty()) record = before;
  return outcome;
}

}  // namespace pelorin::ctl
