#include "device/setting_images.h"

#include <gtest/gtest.h>

#include "support/profile_fixture.h"

namespace pelorin {
namespace {

class SettingImages : public testing::Test {
 protected:
  LanguageTable texts = test::sampleTexts();
  ProfileTable table = test::factoryProfiles(texts);
  ProfileRecord& p = *table.record(0);
};

struct DpiCase {
  std::uint8_t mask, current, byte0;
};
class DpiLevelsByte0 : public SettingImages, public testing::WithParamInterface<DpiCase> {};

TEST_P(DpiLevelsByte0, PacksCurrentLevelAndEnabledCount) {
  p.DPIOffOnFlag = GetParam().mask;
  p.CurrentDPILevel = GetParam().current;
  const auto levels = buildDpiLevels(p);
  EXPECT_EQ(levels.bytes[0], GetParam().byte0);
  EXPECT_EQ(levels.bytes[1], GetParam().mask);
}

INSTANTIATE_TEST_SUITE_P(Masks, DpiLevelsByte0,
                         testing::Values(DpiCase{0x1F, 0, 0x15}, DpiCase{0x03, 1, 0x22},
                                         DpiCase{0xFF, 0, 0x18}, DpiCase{0x00, 0, 0x10}));

struct StepsCase {
  const char* name;
  std::uint8_t mask;
  std::array<std::uint8_t, 18> payload;
};
class DpiLevelSteps : public SettingImages, public testing::WithParamInterface<StepsCase> {};

// Levels 1 to 5 always carry their steps, low byte first; levels 6 to 8 only while enabled, so a
// five-level profile sends what it always sent.
TEST_P(DpiLevelSteps, GoLowByteFirst) {
  p.XYSetting = {0x0102, 0x0304, 0x0506, 0x0708, 0x090A, 0x0B0C, 0x0D0E, 0x0210};
  p.DPIOffOnFlag = GetParam().mask;
  p.CurrentDPILevel = 0;
  const auto levels = buildDpiLevels(p);
  EXPECT_EQ(levels.length, 18);
  EXPECT_TRUE(
      std::equal(GetParam().payload.begin(), GetParam().payload.end(), levels.bytes.begin()));
}

INSTANTIATE_TEST_SUITE_P(
    Masks, DpiLevelSteps,
    testing::Values(
        StepsCase{
            "FiveLevels", 0x1F, {0x15, 0x1F, 2, 1, 4, 3, 6, 5, 8, 7, 0x0A, 9, 0, 0, 0, 0, 0, 0}},
        StepsCase{
            "AllEight",
            0xFF,
            {0x18, 0xFF, 2, 1, 4, 3, 6, 5, 8, 7, 0x0A, 9, 0x0C, 0x0B, 0x0E, 0x0D, 0x10, 0x02}},
        StepsCase{"SeventhAlone",
                  0x41,
                  {0x12, 0x41, 2, 1, 4, 3, 6, 5, 8, 7, 0x0A, 9, 0, 0, 0x0E, 0x0D, 0, 0}}),
    [](const auto& c) { return std::string(c.param.name); });

TEST_F(SettingImages, ColoursGoRedGreenBlue) {
  p.DPILevelIndication[0] = 0x00332211;  // blue 33, green 22, red 11
  p.DPILevelIndication[7] = 0x00FFEEDD;
  const auto colours = buildDpiColours(p).bytes;
  EXPECT_EQ(colours[0], 0x11);
  EXPECT_EQ(colours[1], 0x22);
  EXPECT_EQ(colours[2], 0x33);
  EXPECT_EQ(colours[21], 0xDD);
  EXPECT_EQ(colours[23], 0xFF);
}

TEST_F(SettingImages, LastTwoKeysTradePlacesOnTheMouse) {
  p.keys[3].Value = {0x70, 0x00, 0x04};
  p.keys[4].Value = {0x70, 0x00, 0x05};
  EXPECT_EQ(buildButton(p, 3).bytes[3], 0x05);  // device position 3 carries key 4
  EXPECT_EQ(buildButton(p, 4).bytes[3], 0x04);
}

struct ValueCase {
  const char16_t* text;
  std::uint8_t sent;
};
class LiftOff : public SettingImages, public testing::WithParamInterface<ValueCase> {};
TEST_P(LiftOff, OnlyOneMeansTheLowHeight) {
  p.pairs[static_cast<std::size_t>(Setting::LiftDetectionHeight)].value = GetParam().text;
  EXPECT_EQ(buildLiftOff(p).bytes[0], GetParam().sent);
}
INSTANTIATE_TEST_SUITE_P(Heights, LiftOff,
                         testing::Values(ValueCase{u"0", 2}, ValueCase{u"1", 1}, ValueCase{u"2", 2},
                                         ValueCase{u"7", 2}, ValueCase{u"x", 2}));

struct PollingCase {
  std::uint8_t index, interval;
};
class Polling : public SettingImages, public testing::WithParamInterface<PollingCase> {};
TEST_P(Polling, IndexBecomesIntervalInMilliseconds) {
  p.PollingRateValue = {GetParam().index, 0, 0};
  EXPECT_EQ(buildPollingRate(p).bytes[0], GetParam().interval);
}
INSTANTIATE_TEST_SUITE_P(Rates, Polling,
                         testing::Values(PollingCase{0, 8}, PollingCase{1, 4}, PollingCase{2, 2},
                                         PollingCase{3, 1}, PollingCase{5, 1}));

TEST_F(SettingImages, NumbersAreSentAsTheirLowByteAndTextIsZero) {
  p.setKeyDebounce(300);
  p.setPowerDownTime(10);
  p.pairs[static_cast<std::size_t>(Setting::MoveLightingOnOffMode)].value = u"on";
  EXPECT_EQ(buildDebounce(p).bytes[0], 300 & 0xFF);
  EXPECT_EQ(buildPower(p).bytes[0], 10);
  EXPECT_EQ(buildPower(p).bytes[1], 0);
}

class Lighting : public SettingImages {
 protected:
  void mode(std::uint8_t m) {
    p.Lighting1ModeValue = {m, 0, 0};
    for (auto& row : p.Lighting1ColorSelected) row.fill(0);
  }
};

TEST_F(Lighting, ColourListKeepsOnlySelectedNonBlackSlots) {
  mode(2);
  p.Lighting1Brightness[2] = 2;
  p.Lighting1Speed[2] = 4;
  p.Lighting1ColorSelected[2][0] = 1;
  p.Lighting1FixedColor[2][0] = 0x000000FF;
  p.Lighting1ColorSelected[2][3] = 1;
  p.Lighting1FixedColor[2][3] = 0x00FF0000;
  p.Lighting1ColorSelected[2][5] = 1;
  p.Lighting1FixedColor[2][5] = 0;
  const auto image = buildLighting(p);
  EXPECT_EQ(image.length, 9);
  EXPECT_EQ(image.bytes[0], 2);
  EXPECT_EQ(image.bytes[1], 0x35);
  EXPECT_EQ(image.bytes[2], 2);
  const std::array<std::uint8_t, 6> colours{0xFF, 0, 0, 0, 0, 0xFF};
  EXPECT_TRUE(std::equal(colours.begin(), colours.end(), image.bytes.begin() + 3));
}

TEST_F(Lighting, TopSpeedWrapsInsideItsNibble) {
  mode(0);
  p.Lighting1Brightness[0] = 1;
  p.Lighting1Speed[0] = 0x0F;
  EXPECT_EQ(buildLighting(p).bytes[1], 0x20);  // brightness 2 above, speed 0x10 kept to 0
}

TEST_F(Lighting, FixedPlacesAreBlackWhenNotSelected) {
  mode(6);
  p.Lighting1FixedColor[6].fill(0x00FFFFFF);
  auto image = buildLighting(p);
  EXPECT_EQ(image.length, 23);
  for (std::size_t i = 2; i < 23; ++i) EXPECT_EQ(image.bytes[i], 0) << i;
  mode(7);
  p.Lighting1ColorSelected[7][1] = 1;
  p.Lighting1FixedColor[7][1] = 0x00030201;
  image = buildLighting(p);
  EXPECT_EQ(image.length, 8);
  EXPECT_EQ(image.bytes[2], 0);
  EXPECT_EQ(image.bytes[5], 1);
  EXPECT_EQ(image.bytes[7], 3);
}

struct ModeLength {
  std::uint8_t mode, length;
};
class LightingLength : public Lighting, public testing::WithParamInterface<ModeLength> {};
TEST_P(LightingLength, FollowsTheMode) {
  mode(GetParam().mode);
  EXPECT_EQ(buildLighting(p).length, GetParam().length);
}
INSTANTIATE_TEST_SUITE_P(Modes, LightingLength,
                         testing::Values(ModeLength{0, 2}, ModeLength{1, 3}, ModeLength{2, 3},
                                         ModeLength{3, 5}, ModeLength{4, 2}, ModeLength{5, 2},
                                         ModeLength{6, 23}, ModeLength{7, 8}, ModeLength{8, 2},
                                         ModeLength{9, 2}, ModeLength{10, 0}, ModeLength{255, 0}));

}  // namespace
}  // namespace pelorin
