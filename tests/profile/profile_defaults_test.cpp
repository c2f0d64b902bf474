#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "profile/filled_language.h"
#include "profile/profile_table.h"

namespace pelorin {
namespace {

using testing::filledLanguage;

struct PairCase {
  std::size_t index;
  std::u16string key;
  std::u16string value;
};

class ResetPairs : public ::testing::TestWithParam<PairCase> {};

TEST_P(ResetPairs, KeyAndDefaultValue) {
  ProfileRecord record;
  record.pairs[GetParam().index] = {u"stale", u"stale"};
  resetProfile(record, 2, filledLanguage(), SensorModel{0x3325});
  EXPECT_EQ(record.pairKey(GetParam().index), GetParam().key);
  EXPECT_EQ(record.pairValue(GetParam().index), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    AllPairs, ResetPairs,
    ::testing::Values(PairCase{0, u"ProfileName", u"T87"}, PairCase{1, u"GameFile0", u""},
                      PairCase{2, u"GameFile1", u""}, PairCase{3, u"GameFile2", u""},
                      PairCase{4, u"DoubleClickSpeed", u"6"}, PairCase{5, u"PointerSpeed", u"5"},
                      PairCase{6, u"AccelerationEnable", u"1"},
                      PairCase{7, u"ScrollWheelSpeed", u"2"},
                      PairCase{8, u"ScrollWheelPageEnable", u"0"}, PairCase{9, u"TiltSpeed", u"2"},
                      PairCase{10, u"Sensitivity_X", u"4"}, PairCase{11, u"Sensitivity_Y", u"4"},
                      PairCase{12, u"XYSynchronous", u"1"}, PairCase{13, u"X_DPI", u"1"},
                      PairCase{14, u"Y_DPI", u"1"}, PairCase{15, u"MoveLightingOnOffMode", u"0"},
                      PairCase{16, u"PowerDownTime", u"6"},
                      PairCase{17, u"LiftDetectionHeight", u"2"},
                      PairCase{18, u"KeyDebounce", u"12"}, PairCase{19, u"MotionWakeup", u"1"}));

class ResetName : public ::testing::TestWithParam<std::pair<unsigned, std::u16string>> {};

TEST_P(ResetName, SlotsTakeLanguageTextsOthersArePatterned) {
  ProfileRecord record;
  resetProfile(record, GetParam().first, filledLanguage(), SensorModel{});
  EXPECT_EQ(record.pairValue(0), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Indices, ResetName,
                         ::testing::Values(std::pair{0U, u"T85"}, std::pair{4U, u"T89"},
                                           std::pair{5U, u"Profile6"},
                                           std::pair{99U, u"Profile100"}));

TEST(ResetProfile, FactoryButtonsWithEmptyMacros) {
  ProfileRecord record;
  record.keys[3].MacroKeyIndex = 9;
  record.keys[3].Macro.insertAction(0, MacroAction::press(0x41));
  record.keys[3].Macro.loopType = loop_type::kFirst;
  resetProfile(record, 0, filledLanguage(), SensorModel{});

  const std::array<AssignmentCode, 5> codes{
      {{0x10, 0x01, 0}, {0x10, 0x02, 0}, {0x10, 0x04, 0}, {0x10, 0x10, 0}, {0x10, 0x08, 0}}};
  for (std::size_t i = 0; i < kKeySlotCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(record.keys[i].Name, u"T" + decimalText(20 + static_cast<int>(i)));
    EXPECT_EQ(record.keys[i].Value, codes[i]);
    EXPECT_EQ(record.keys[i].MacroKeyIndex, 0U);
    EXPECT_EQ(record.keys[i].Macro, MacroKey::create(u""));
  }
}

TEST(ResetProfile, PollingAndLighting) {
  ProfileRecord record;
  record.Lighting1ColorSelected[0][9] = 1;
  record.Lighting2FixedColor = 0x123456;
  resetProfile(record, 0, filledLanguage(), SensorModel{});

  EXPECT_EQ(record.PollingRateName, u"1000HZ");
  EXPECT_EQ(record.PollingRateValue, (ByteTriple{3, 0, 0}));
  EXPECT_EQ(record.Lighting1OffOn, 1);
  EXPECT_EQ(record.Lighting1Name, u"T100");
  EXPECT_EQ(record.Lighting1ModeValue, (ByteTriple{1, 0, 0}));
  EXPECT_EQ(record.Lighting1Speed, (PerLightingMode<std::uint8_t>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(record.Lighting1Brightness,
            (PerLightingMode<std::uint8_t>{1, 1, 1, 3, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(record.Lighting1Direction,
            (PerLightingMode<std::uint8_t>{0, 1, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(record.Lighting2OffOn, 0);
  EXPECT_EQ(record.Lighting2Name, u"T100");
  EXPECT_EQ(record.Lighting2ModeValue, (ByteTriple{1, 0, 0}));
  EXPECT_EQ(record.Lighting2Speed, 0);
  EXPECT_EQ(record.Lighting2Brightness, 0);
  EXPECT_EQ(record.Lighting2FixedColor, 0U);
}

TEST(ResetProfile, ColourSlotsAreStoredBlueGreenRed) {
  ProfileRecord record;
  resetProfile(record, 0, filledLanguage(), SensorModel{});

  const std::array<int, 10> usedPerMode{0, 0, 7, 1, 0, 0, 8, 2, 0, 0};
  for (std::size_t mode = 0; mode < kLightingModeCount; ++mode) {
    const auto& selected = record.Lighting1ColorSelected[mode];
    EXPECT_EQ(std::count(selected.begin(), selected.end(), 1), usedPerMode[mode]) << mode;
    for (std::size_t slot = static_cast<std::size_t>(usedPerMode[mode]); slot < 10; ++slot) {
      EXPECT_EQ(selected[slot], 0) << mode << "/" << slot;
      EXPECT_EQ(record.Lighting1FixedColor[mode][slot], 0U) << mode << "/" << slot;
    }
  }
  // Written as RRGGBB: 00FFFF, FF00FF, FA46FF, FA006A.
  EXPECT_EQ(record.Lighting1FixedColor[2][3], 0x00FFFF00U);
  EXPECT_EQ(record.Lighting1FixedColor[3][0], 0x00FF00FFU);
  EXPECT_EQ(record.Lighting1FixedColor[6][7], 0x00FF46FAU);
  EXPECT_EQ(record.Lighting1FixedColor[7][1], 0x006A00FAU);
  EXPECT_EQ(record.Lighting1FixedColor[2][0], 0x000000FFU);
}

struct SensorCase {
  std::uint16_t model;
  std::array<DpiStepIndex, 8> steps;
};

class SensorDefaults : public ::testing::TestWithParam<SensorCase> {};

TEST_P(SensorDefaults, StepIndicesOfTheEightLevels) {
  ProfileRecord record;
  applySensorDpiDefaults(record, SensorModel{GetParam().model});
  EXPECT_EQ(record.XYSetting, GetParam().steps);
}

INSTANTIATE_TEST_SUITE_P(KnownSensors, SensorDefaults,
                         ::testing::Values(SensorCase{0x3104, {4, 15, 23, 31, 39, 41, 47, 47}},
                                           SensorCase{0x3212, {6, 10, 14, 22, 33, 12, 12, 12}},
                                           SensorCase{0x3325, {6, 10, 14, 30, 48, 58, 58, 50}},
                                           SensorCase{0x3327, {2, 6, 14, 30, 48, 58, 58, 58}},
                                           SensorCase{0x3335, {11, 23, 31, 63, 99, 159, 59, 59}},
                                           SensorCase{0x3360, {3, 7, 15, 31, 49, 59, 59, 59}},
                                           SensorCase{0x3389, {3, 7, 15, 31, 49, 59, 59, 59}},
                                           SensorCase{0x3370, {7, 15, 31, 63, 99, 119, 119, 119}},
                                           SensorCase{0x3395, {7, 15, 31, 63, 99, 99, 99, 99}},
                                           SensorCase{0x3399, {7, 15, 31, 63, 99, 99, 99, 99}}));

TEST(SensorDefaults, UnknownSensorKeepsStepsButResetsTheRest) {
  ProfileRecord record;
  record.XYSetting = {1, 2, 3, 4, 5, 6, 7, 8};
  record.DPIOffOnFlag = 0xFF;
  record.CurrentDPILevel = 7;
  record.AngleSnap = 1;
  applySensorDpiDefaults(record, SensorModel{0x3390});

  EXPECT_EQ(record.XYSetting, (std::array<DpiStepIndex, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(record.DPIOffOnFlag, 0x1F);
  EXPECT_EQ(record.CurrentDPILevel, 1);
  EXPECT_EQ(record.DPILevelIndication,
            (std::array<ColourRef, 8>{0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00,
                                      0xFFFFFF, 0xFFFFFF}));
  EXPECT_EQ(record.AngleSnap, 0);
  EXPECT_EQ(record.LiftDetection, 2);
}

TEST(ProfileTable, UsesItsSensorModelAndHasFiveRecords) {
  ProfileTable table;
  table.sensorModel = SensorModel{0x3327};
  table.resetProfile(4, filledLanguage());
  ASSERT_NE(table.record(4), nullptr);
  EXPECT_EQ(table.record(4)->XYSetting[0], 2);
  EXPECT_EQ(table.record(4)->pairValue(0), u"T89");
  EXPECT_EQ(table.record(5), nullptr);

  table.sensorModel = SensorModel{0x3335};
  table.applySensorDpiDefaults();
  for (std::size_t i = 0; i < kProfileCount; ++i) EXPECT_EQ(table.record(i)->XYSetting[5], 159);
}

}  // namespace
}  // namespace pelorin
