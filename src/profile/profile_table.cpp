#include "profile/profile_table.h"

#include <string_view>

#include "keys/decimal_text.h"
#include "profile/assignment_code.h"

namespace pelorin {
namespace {

struct PairDefault {
  std::u16string_view key;
  std::u16string_view value;
};

// Index 0 is the profile name, which comes from the language instead.
constexpr std::array<PairDefault, kSettingPairCount> kPairDefaults{{
    {u"ProfileName", u""},
    {u"GameFile0", u""},
    {u"GameFile1", u""},
    {u"GameFile2", u""},
    {u"DoubleClickSpeed", u"6"},
    {u"PointerSpeed", u"5"},
    {u"AccelerationEnable", u"1"},
    {u"ScrollWheelSpeed", u"2"},
    {u"ScrollWheelPageEnable", u"0"},
    {u"TiltSpeed", u"2"},
    {u"Sensitivity_X", u"4"},
    {u"Sensitivity_Y", u"4"},
    {u"XYSynchronous", u"1"},
    {u"X_DPI", u"1"},
    {u"Y_DPI", u"1"},
    {u"MoveLightingOnOffMode", u"0"},
    {u"PowerDownTime", u"6"},
    {u"LiftDetectionHeight", u"2"},
    {u"KeyDebounce", u"12"},
    {u"MotionWakeup", u"1"},
}};

constexpr int kProfileNameText = 85;
constexpr int kButtonNameText = 20;
constexpr int kLightingNameText = 100;

constexpr std::array<std::uint8_t, kKeySlotCount> kFactoryButtons{
    button_mask::kLeft, button_mask::kRight, button_mask::kMiddle, button_mask::kForward,
    button_mask::kBack};

// The tables below are written as RRGGBB, the way people read colours; records keep 0x00BBGGRR.
constexpr ColourRef fromRgb(std::uint32_t rrggbb) {
  return ((rrggbb >> 16) & 0xFF) | (rrggbb & 0xFF00) | ((rrggbb & 0xFF) << 16);
}

struct ModeColours {
  std::size_t mode;
  std::array<std::uint32_t, kLightingColourSlots> rgb;
  std::size_t used;
};

constexpr std::array<ModeColours, 4> kModeColours{{
    {2, {0xFF0000, 0x00FF00, 0x0000FF, 0x00FFFF, 0xFFFF00, 0xFF00FF, 0xFFFFFF}, 7},
    {3, {0xFF00FF}, 1},
    {6, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFA00FA, 0xFFFFFF, 0xFA46FF}, 8},
    {7, {0x00FF00, 0xFA006A}, 2},
}};

constexpr std::array<std::uint32_t, kDpiLevelCount> kLevelColours{
    0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0xFFFFFF, 0xFFFFFF};

std::u16string defaultProfileName(unsigned index, const LanguageTable& texts) {
  if (index < kProfileCount) return texts[kProfileNameText + static_cast<int>(index)];
  return u"Profile" + decimalText(std::int64_t{index} + 1);
}

void resetPairs(ProfileRecord& record, unsigned index, const LanguageTable& texts) {
  for (std::size_t i = 0; i < kSettingPairCount; ++i) {
    record.pairs[i] = {std::u16string(kPairDefaults[i].key),
                       std::u16string(kPairDefaults[i].value)};
  }
  record.pairs[0].value = defaultProfileName(index, texts);
}

void resetKeys(ProfileRecord& record, const LanguageTable& texts) {
  for (std::size_t i = 0; i < kKeySlotCount; ++i) {
    KeySlot& slot = record.keys[i];
    slot.Name = texts[kButtonNameText + static_cast<int>(i)];
    slot.Value = {code_type::kMouseButton, kFactoryButtons[i], 0};
    slot.MacroKeyIndex = 0;
    slot.Macro.copyFrom(MacroKey::create(u""));
  }
}

void resetLighting(ProfileRecord& record, const LanguageTable& texts) {
  record.Lighting1OffOn = 1;
  record.Lighting1Name = texts[kLightingNameText];
  record.Lighting1ModeValue = {1, 0, 0};
  record.Lighting1Speed.fill(1);
  record.Lighting1Brightness = {1, 1, 1, 3, 1, 1, 1, 1, 1, 1};
  record.Lighting1Direction = {0, 1, 0, 0, 0, 0, 0, 0, 0, 0};
  record.Lighting1ColorSelected = {};
  record.Lighting1FixedColor = {};
  for (const auto& entry : kModeColours) {
    for (std::size_t slot = 0; slot < entry.used; ++slot) {
      record.Lighting1ColorSelected[entry.mode][slot] = 1;
      record.Lighting1FixedColor[entry.mode][slot] = fromRgb(entry.rgb[slot]);
    }
  }
  record.Lighting2OffOn = 0;
  record.Lighting2Name = texts[kLightingNameText];
  record.Lighting2ModeValue = {1, 0, 0};
  record.Lighting2Speed = 0;
  record.Lighting2Brightness = 0;
  record.Lighting2FixedColor = 0;
}

}  // namespace

void resetProfile(ProfileRecord& record, unsigned profileIndex, const LanguageTable& texts,
                  SensorModel sensor) {
  resetPairs(record, profileIndex, texts);
  resetKeys(record, texts);
  record.PollingRateName = u"1000HZ";
  record.PollingRateValue = {3, 0, 0};
  resetLighting(record, texts);
  applySensorDpiDefaults(record, sensor);
}

void applySensorDpiDefaults(ProfileRecord& record, SensorModel sensor) {
  record.DPIOffOnFlag = 0x1F;
  if (const auto steps = sensor.dpiStepDefaults()) record.XYSetting = *steps;
  record.CurrentDPILevel = 1;
  for (std::size_t i = 0; i < kDpiLevelCount; ++i) {
    record.DPILevelIndication[i] = fromRgb(kLevelColours[i]);
  }
  record.AngleSnap = 0;
  record.LiftDetection = 2;
}

ProfileRecord* ProfileTable::record(std::size_t index) {
  return index < records_.size() ? &records_[index] : nullptr;
}

const ProfileRecord* ProfileTable::record(std::size_t index) const {
  return index < records_.size() ? &records_[index] : nullptr;
}

void ProfileTable::resetProfile(std::size_t index, const LanguageTable& texts) {
  if (index < records_.size()) {
    pelorin::resetProfile(records_[index], static_cast<unsigned>(index), texts, sensorModel);
  }
}

void ProfileTable::applySensorDpiDefaults() {
  for (auto& record : records_) pelorin::applySensorDpiDefaults(record, sensorModel);
}

}  // namespace pelorin
