#pragma once
// Profiles at their factory values and a check that the simulated firmware holds what a profile
// says, byte for byte, for every setting and macro the mouse keeps.
#include <gtest/gtest.h>

#include "device/macro_upload.h"
#include "device/setting_images.h"
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

inline testing::AssertionResult firmwareMatches(const SimSettings& fw, const ProfileRecord& p) {
  const auto buttons = buildButtonImage(p);
  for (std::size_t pos = 0; pos < 5; ++pos) {
    for (std::size_t b = 0; b < 3; ++b) {
      if (fw.buttons[pos][b] != buttons[2 + 3 * pos + b]) {
        return testing::AssertionFailure() << "button position " << pos;
      }
    }
  }
  if (fw.dpiLevels != buildDpiLevels(p)) return testing::AssertionFailure() << "DPI levels";
  if (fw.dpiColors != buildDpiColours(p)) return testing::AssertionFailure() << "DPI colours";
  if (fw.pollingInterval != buildPollingInterval(p))
    return testing::AssertionFailure() << "polling";
  if (fw.liftOff != buildLiftOff(p)) return testing::AssertionFailure() << "lift-off";
  if (fw.debounce != buildDebounce(p)) return testing::AssertionFailure() << "debounce";
  if (fw.power != buildPower(p)) return testing::AssertionFailure() << "power";
  if (fw.motionWakeup != buildMotionWakeup(p)) return testing::AssertionFailure() << "wake-up";
  const auto lighting = buildLightingImage(p);
  const std::vector<std::uint8_t> expectedLighting(lighting.begin() + 1,
                                                   lighting.begin() + 1 + lighting[0]);
  if (fw.lighting != expectedLighting) return testing::AssertionFailure() << "lighting";
  for (const auto& key : p.keys) {
    if (key.Value.type != kMacroCodeType) continue;
    const std::uint8_t slot = key.Value.param1 & 0x0F;
    const auto image = buildMacroImage(key.Macro, slot);
    const std::vector<std::uint8_t> entries(image.begin() + 4,
                                            image.begin() + 4 + key.Macro.commandCount * 3);
    auto held = fw.macroSlots.find(slot);
    if (held == fw.macroSlots.end() || held->second != entries) {
      return testing::AssertionFailure() << "macro slot " << int(slot);
    }
  }
  return testing::AssertionSuccess();
}

}  // namespace pelorin::test
