#include "profile/app_config.h"

#include <gtest/gtest.h>

#include "common/utf.h"
#include "lang/scratch_folder.h"
#include "profile/data_folder.h"

namespace pelorin {
namespace {

using testing::ScratchFolder;
using Lines = CStdioFileEx::Lines;

Lines defaultLines(const std::filesystem::path& data) {
  Lines lines{u"[Setting]",          u"NeedPassword=1",     u"Sensor=0x3325",
              u"PreST=0xCCDA",       u"Mac_ID=0xFFFFFFFF",  u"DataChange=0x1234",
              u"CurrentProfile=0",   u"ProfileShowCount=3", u"ProfileShowList0=0",
              u"ProfileShowList1=1", u"ProfileShowList2=2", u"ProfileShowList3=3",
              u"ProfileShowList4=4"};
  for (int i = 0; i < 5; ++i) {
    const auto n = toUtf16(std::to_string(i));
    lines.push_back(u"ProfileSlot" + n + u"URL=" +
                    textFromPath(data / "config" / ("default" + std::to_string(i) + ".psf")));
  }
  return lines;
}

TEST(AppConfig, DefaultsInTableOrder) {
  AppConfig config("/data/PelorinData20231030A");
  config.setDefaults();
  EXPECT_EQ(config.format(), defaultLines("/data/PelorinData20231030A"));
  EXPECT_EQ(config.filePath(),
            std::filesystem::path("/data/PelorinData20231030A/config/config.ini"));
  EXPECT_EQ(config.slotPath(4),
            std::filesystem::path("/data/PelorinData20231030A/config/default4.psf"));
  EXPECT_EQ(config.slotPath(5), std::filesystem::path());
  EXPECT_EQ(config.showList(), (ShowList{3, {0, 1, 2, 3, 4}}));
  EXPECT_EQ(config.sensor(), SensorModel{0x3325});
  EXPECT_EQ(config.preST(), 0xCCDA);
  EXPECT_EQ(config.needPassword(), 1);
}

TEST(AppConfig, SaveAndReadBack) {
  ScratchFolder data;
  std::filesystem::create_directories(data / "config");
  AppConfig config(data.path());
  config.setDefaults();
  config.setCurrentProfile(4);
  config.setSensor({0x3104});
  ASSERT_TRUE(config.save());
  AppConfig again(data.path());
  ASSERT_TRUE(again.read());
  EXPECT_EQ(again.format(), config.format());
  EXPECT_EQ(again.currentProfile(), 4);
  EXPECT_EQ(again.value(ConfigEntry::Sensor), u"0x3104");
}

TEST(AppConfig, SaveToAMissingFolderFails) {
  ScratchFolder data;
  AppConfig config(data / "absent");
  config.setDefaults();
  EXPECT_FALSE(config.save());
}

TEST(AppConfig, OnlyTheHeaderKeepsTheTableEmpty) {
  AppConfig config("/d");
  ASSERT_TRUE(config.parse({u"[Setting]"}));
  for (std::size_t i = 0; i < kConfigEntryCount; ++i) EXPECT_EQ(config.entry(i), SettingPair{});
  EXPECT_EQ(config.sensor(), SensorModel{0});
  EXPECT_EQ(config.slotPath(0), std::filesystem::path());
}

TEST(AppConfig, EntriesAreTakenByPositionWithTheirKeys) {
  AppConfig config("/d");
  ASSERT_TRUE(config.parse({u"[Setting]", u"Anything=0", u"Sensor=0x3360", u"x=y=z"}));
  EXPECT_EQ(config.entry(0), (SettingPair{u"Anything", u"0"}));
  EXPECT_EQ(config.needPassword(), 0);
  EXPECT_EQ(config.sensor(), SensorModel{0x3360});
  EXPECT_EQ(config.entry(2), (SettingPair{u"x", u"y=z"}));
  EXPECT_EQ(config.entry(3), SettingPair{});
}

struct BadConfig {
  const char* name;
  void (*apply)(Lines&);
};

class BadConfigFile : public ::testing::TestWithParam<BadConfig> {};

TEST_P(BadConfigFile, IsRefused) {
  Lines lines = defaultLines("/d");
  GetParam().apply(lines);
  AppConfig config("/d");
  EXPECT_FALSE(config.parse(lines));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, BadConfigFile,
    ::testing::Values(BadConfig{"EmptySensor", [](Lines& l) { l[2] = u"Sensor="; }},
                      BadConfig{"EmptyKey", [](Lines& l) { l[6] = u"=0"; }},
                      BadConfig{"NoEquals", [](Lines& l) { l[17] = u"ProfileSlot4URL"; }},
                      BadConfig{"EighteenthLine", [](Lines& l) { l.push_back(u"Extra=1"); }},
                      BadConfig{"CarriageReturns",
                                [](Lines& l) {
                                  for (auto& line : l) line += u'\r';
                                }},
                      BadConfig{"LowerCaseHeader", [](Lines& l) { l[0] = u"[setting]"; }},
                      BadConfig{"Empty", [](Lines& l) { l.clear(); }}),
    [](const auto& param) { return std::string(param.param.name); });

struct SensorCase {
  std::uint16_t value;
  const char16_t* text;
};

class SensorTextTest : public ::testing::TestWithParam<SensorCase> {};

TEST_P(SensorTextTest, WrittenAndReadBack) {
  EXPECT_EQ(sensorText(GetParam().value), GetParam().text);
  EXPECT_EQ(parseSensorText(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Values, SensorTextTest,
                         ::testing::Values(SensorCase{0x3325, u"0x3325"},
                                           SensorCase{0xCCDA, u"0xCCDA"},
                                           SensorCase{0x0012, u"0x  12"}, SensorCase{0, u"0x   0"},
                                           SensorCase{0xFFFF, u"0xFFFF"}));

TEST(SensorText, ReadsLikeAHexNumber) {
  const std::pair<const char16_t*, std::uint16_t> cases[] = {{u"3325", 0x3325},
                                                             {u"0X33aa", 0x33AA},
                                                             {u" 0x3325 ", 0x3325},
                                                             {u"0x3325ms", 0x3325},
                                                             {u"", 0},
                                                             {u"zz", 0},
                                                             {u"0x", 0},
                                                             {u"0x123456", 0x3456}};
  for (auto [text, value] : cases) EXPECT_EQ(parseSensorText(text), value) << toUtf8(text);
}

TEST(ShowList, OnlyPermutationsAreStored) {
  AppConfig config("/d");
  config.setDefaults();
  EXPECT_TRUE(config.setShowList({2, {0, 1, 3, 4, 2}}));
  EXPECT_EQ(config.showList(), (ShowList{2, {0, 1, 3, 4, 2}}));
  EXPECT_EQ(config.value(ConfigEntry::ProfileShowList4), u"2");
  const ShowList refused[] = {
      {2, {0, 1, 1, 4, 2}}, {6, {0, 1, 2, 3, 4}}, {-1, {0, 1, 2, 3, 4}}, {3, {0, 1, 2, 3, 5}}};
  for (const auto& list : refused) EXPECT_FALSE(config.setShowList(list));
  EXPECT_EQ(config.showList(), (ShowList{2, {0, 1, 3, 4, 2}}));
}

}  // namespace
}  // namespace pelorin
