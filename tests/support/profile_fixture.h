#pragma once
// Profiles at their factory values and a check that the simulated firmware holds what a profile
// says, for every setting and macro the mouse keeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

#include "platform/sim/sim_mouse.h"
#include "profile/profile_table.h"

namespace pelorin::test {

inline LanguageTable sampleTexts() {
  LanguageTable texts;
  texts.set(34, u"Disabled");
  for (int i = 0; i < 5; ++i) texts.set(20 + i, u"Button " + std::u16string(1, char16_t(u'1' + i)));
  for (int i = 0; i < 5; ++i)
    texts.set(85 + i, u"Profile " + std::u16string(1, char16_t(u'1' + i)));
  texts.set(100, u"Lighting");
  return texts;
}

inline ProfileTable factoryProfiles(const LanguageTable& texts, std::uint16_t sensor = 0x3325) {
  ProfileTable table;
  table.sensorModel.word = sensor;
  for (std::size_t i = 0; i < kProfileCount; ++i) table.resetProfile(i, texts);
  return table;
}

// The oracle of the whole-profile tests: what the firmware decoded from the reports it received,
// compared with what the profile says, by this file's own reading of the settings (never by the
// program's builders).
inline std::uint32_t rgbOf(ColourRef colour) {
  return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

inline std::vector<SimMacroEntry> expectedEntries(const MacroKey& macro) {
  std::vector<SimMacroEntry> entries;
  for (std::size_t i = 0; i < macro.actionCount; ++i) {
    const MacroAction a = macro.actions[i];
    if (a.b0 == 3) continue;
    int delay = 0;
    if (i + 1 < macro.actionCount && macro.actions[i + 1].b0 == 3) {
      delay = static_cast<int>(std::min<std::uint32_t>(macro.actions[i + 1].delayMs(), 4095));
    }
    // The macros of these tests press letters only: keyboard usages 0x04 onwards.
    entries.push_back({a.b1 >= 0x80, 3, delay, static_cast<std::uint8_t>(a.b0 - 0x41 + 0x04)});
  }
  entries.resize(macro.commandCount);
  return entries;
}

inline std::vector<std::uint32_t> expectedLightingColours(const ProfileRecord& p, int mode) {
  std::vector<std::uint32_t> colours;
  const auto m = static_cast<std::size_t>(mode);
  const auto selected = [&](std::size_t slot) { return p.Lighting1ColorSelected[m][slot] != 0; };
  const auto colour = [&](std::size_t slot) { return rgbOf(p.Lighting1FixedColor[m][slot]); };
  if (mode == 2) {
    for (std::size_t j = 0; j < 7; ++j) {
      if (selected(j) && colour(j) != 0) colours.push_back(colour(j));
    }
  } else if (mode == 3) {
    colours.push_back(colour(0));
  } else if (mode == 6 || mode == 7) {
    for (std::size_t j = 0; j < (mode == 6 ? 7u : 2u); ++j) {
      colours.push_back(selected(j) ? colour(j) : 0);
    }
  }
  return colours;
}

inline ::testing::AssertionResult firmwareMatches(const SimDecoded& fw, const ProfileRecord& p) {
  constexpr std::array<std::size_t, 5> kKeyAt{0, 1, 2, 4, 3};
  for (std::size_t pos = 0; pos < 5; ++pos) {
    const AssignmentCode& code = p.keys[kKeyAt[pos]].Value;
    if (fw.buttonCodes[pos] != std::array<std::uint8_t, 3>{code.type, code.param1, code.param2}) {
      return ::testing::AssertionFailure() << "button position " << pos;
    }
  }
  if (fw.enabledMask != p.DPIOffOnFlag || fw.currentLevel != p.CurrentDPILevel ||
      fw.enabledCount != std::popcount(p.DPIOffOnFlag) % 16) {
    return ::testing::AssertionFailure() << "DPI levels";
  }
  // Levels 6 to 8 carry their step only while enabled, so a five-level profile sends zeros there.
  for (std::size_t level = 0; level < 8; ++level) {
    const bool carried = level < 5 || ((p.DPIOffOnFlag >> level) & 1) != 0;
    if (fw.levelSteps[level] != (carried ? p.XYSetting[level] : 0)) {
      return ::testing::AssertionFailure() << "step of level " << level + 1;
    }
  }
  for (std::size_t level = 0; level < 8; ++level) {
    if (fw.levelColours[level] != rgbOf(p.DPILevelIndication[level])) {
      return ::testing::AssertionFailure() << "DPI colour " << level;
    }
  }
  constexpr std::array<int, 4> kIntervals{8, 4, 2, 1};
  if (fw.pollingIntervalMs != kIntervals[std::min<std::size_t>(p.PollingRateValue[0], 3)]) {
    return ::testing::AssertionFailure() << "polling";
  }
  if (fw.lowLiftOff != (p.number(Setting::LiftDetectionHeight) == 1)) {
    return ::testing::AssertionFailure() << "lift-off";
  }
  if (fw.debounce != (p.number(Setting::KeyDebounce) & 0xFF) ||
      fw.powerDownTime != (p.number(Setting::PowerDownTime) & 0xFF) ||
      fw.lightsOffWhileMoving != (p.number(Setting::MoveLightingOnOffMode) & 0xFF) ||
      fw.motionWakeup != (p.number(Setting::MotionWakeup) & 0xFF)) {
    return ::testing::AssertionFailure() << "debounce, power or wake-up";
  }
  const int mode = p.Lighting1ModeValue[0];
  if (mode < 10) {
    const auto m = static_cast<std::size_t>(mode);
    if (!fw.lightingSet || fw.lightingMode != mode || fw.brightness != p.Lighting1Brightness[m] ||
        fw.speed != p.Lighting1Speed[m] || (mode == 1 && fw.direction != p.Lighting1Direction[1]) ||
        fw.lightingColours != expectedLightingColours(p, mode)) {
      return ::testing::AssertionFailure() << "lighting mode " << mode;
    }
  }
  for (const auto& key : p.keys) {
    if (key.Value.type != 0x90) continue;
    const int slot = key.Value.param1 & 0x0F;
    const auto held = fw.macros.find(slot);
    if (held == fw.macros.end() || held->second != expectedEntries(key.Macro)) {
      return ::testing::AssertionFailure() << "macro slot " << slot;
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace pelorin::test
