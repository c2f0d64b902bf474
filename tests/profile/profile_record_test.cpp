#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "profile/profile_record.h"
#include "profile/value_captions.h"

namespace pelorin {
namespace {

struct SetterCase {
  const char* label;
  std::function<void(ProfileRecord&, int)> set;
  Setting setting;
  int argument;
  std::u16string stored;
};

class Setters : public ::testing::TestWithParam<SetterCase> {};

TEST_P(Setters, StoreTheirFormattedText) {
  ProfileRecord record;
  GetParam().set(record, GetParam().argument);
  EXPECT_EQ(record.pairValue(static_cast<std::size_t>(GetParam().setting)), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Formatting, Setters,
    ::testing::Values(
        SetterCase{"DoubleClick", &ProfileRecord::setDoubleClickSpeed, Setting::DoubleClickSpeed,
                   10, u"10"},
        SetterCase{"Pointer", &ProfileRecord::setPointerSpeed, Setting::PointerSpeed, -3, u"-3"},
        SetterCase{"AccelOn", &ProfileRecord::setAccelerationEnable, Setting::AccelerationEnable, 7,
                   u"1"},
        SetterCase{"AccelNegative", &ProfileRecord::setAccelerationEnable,
                   Setting::AccelerationEnable, -1, u"1"},
        SetterCase{"AccelOff", &ProfileRecord::setAccelerationEnable, Setting::AccelerationEnable,
                   0, u"0"},
        SetterCase{"Scroll", &ProfileRecord::setScrollWheelSpeed, Setting::ScrollWheelSpeed, 9,
                   u"9"},
        SetterCase{"PageOn", &ProfileRecord::setScrollWheelPageEnable,
                   Setting::ScrollWheelPageEnable, 2, u"1"},
        SetterCase{"Tilt", &ProfileRecord::setTiltSpeed, Setting::TiltSpeed, 0, u"0"},
        SetterCase{"XDpi", &ProfileRecord::setX_DPI, Setting::X_DPI, 99, u"99"},
        SetterCase{"LightingOn", &ProfileRecord::setMoveLightingOnOffMode,
                   Setting::MoveLightingOnOffMode, 1, u"1"},
        SetterCase{"LightingNegative", &ProfileRecord::setMoveLightingOnOffMode,
                   Setting::MoveLightingOnOffMode, -1, u"0"},
        SetterCase{"PowerDown", &ProfileRecord::setPowerDownTime, Setting::PowerDownTime, 10,
                   u"10"},
        SetterCase{"Lift", &ProfileRecord::setLiftDetectionHeight, Setting::LiftDetectionHeight, 1,
                   u"1"},
        SetterCase{"Debounce", &ProfileRecord::setKeyDebounce, Setting::KeyDebounce, 16, u"16"},
        SetterCase{"WakeupOn", &ProfileRecord::setMotionWakeup, Setting::MotionWakeup, 3, u"1"},
        SetterCase{"WakeupNegative", &ProfileRecord::setMotionWakeup, Setting::MotionWakeup, -5,
                   u"0"}),
    [](const auto& testCase) { return std::string(testCase.param.label); });

struct NumberCase {
  std::u16string text;
  int number;
  int xDpiOption;
};

class PairNumbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(PairNumbers, ReadBackAsLeadingDecimalAndPickADpiOption) {
  ProfileRecord record;
  record.pairs[static_cast<std::size_t>(Setting::X_DPI)].value = GetParam().text;
  EXPECT_EQ(record.number(Setting::X_DPI), GetParam().number);
  EXPECT_EQ(xDpiOption(record), GetParam().xDpiOption);
}

INSTANTIATE_TEST_SUITE_P(Texts, PairNumbers,
                         ::testing::Values(NumberCase{u"0", 0, 0}, NumberCase{u"5", 5, 5},
                                           NumberCase{u"6", 6, 6}, NumberCase{u"7", 7, 6},
                                           NumberCase{u"99", 99, 6}, NumberCase{u"-1", -1, 6},
                                           NumberCase{u"abc", 0, 0}, NumberCase{u"", 0, 0},
                                           NumberCase{u"3px", 3, 3},
                                           NumberCase{u"99999999999", 2147483647, 6}));

TEST(ProfileRecord, OutOfRangeAccessYieldsNothing) {
  ProfileRecord record;
  record.pairs[19] = {u"MotionWakeup", u"1"};
  EXPECT_EQ(record.pairKey(19), u"MotionWakeup");
  EXPECT_EQ(record.pairKey(20), u"");
  EXPECT_EQ(record.pairValue(20), u"");
  EXPECT_EQ(record.slot(4), &record.keys[4]);
  EXPECT_EQ(record.slot(5), nullptr);
  EXPECT_EQ(std::as_const(record).slot(5), nullptr);
}

TEST(ProfileRecord, KeyDebounceSliderShowsHalfAndTextShowsMilliseconds) {
  ProfileRecord record;
  record.setKeyDebounce(12);
  EXPECT_EQ(keyDebounceSliderPosition(record), 6);
  EXPECT_EQ(keyDebounceText(record.number(Setting::KeyDebounce)), u"12ms");
}

TEST(ValueCaptions, Tables) {
  EXPECT_EQ(pollingRateCaption(0), u"125Hz");
  EXPECT_EQ(pollingRateCaption(3), u"1000Hz");
  EXPECT_EQ(pollingRateCaption(4), u"");
  EXPECT_EQ(dpiMenuCaption(0), u"200");
  EXPECT_EQ(dpiMenuCaption(10), u"1200");
  EXPECT_EQ(dpiMenuCaption(11), u"");
  EXPECT_EQ(dpiMenuCaption(-1), u"");
  EXPECT_EQ(brightnessCaption(0), u"25%");
  EXPECT_EQ(brightnessCaption(3), u"100%");
  EXPECT_EQ(brightnessCaption(5), u"50%");
}

}  // namespace
}  // namespace pelorin
