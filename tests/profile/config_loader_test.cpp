#include "profile/config_loader.h"

#include <gtest/gtest.h>

#include "lang/scratch_folder.h"
#include "profile/data_folder.h"
#include "profile/filled_language.h"
#include "profile/profile_file.h"

namespace pelorin {
namespace {

using testing::ScratchFolder;

class ConfigLoaderTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(prepareDataFolder(data.path())); }

  ProfileRecord defaultsFor(unsigned index, SensorModel sensor) const {
    ProfileRecord record;
    resetProfile(record, index, texts, sensor);
    return record;
  }
  ProfileRecord slotFile(std::size_t index) const {
    ProfileRecord record;
    const auto lines = CStdioFileEx::readLines(configFolder(data.path()) /
                                               ("default" + std::to_string(index) + ".psf"));
    EXPECT_TRUE(lines && parseProfile(*lines, record)) << "slot file " << index;
    return record;
  }
  AppConfig savedConfig() const {
    AppConfig saved(data.path());
    EXPECT_TRUE(saved.read());
    return saved;
  }
  void writeConfig(const std::vector<std::string>& lines) {
    testing::writeTextFile(configFolder(data.path()) / kConfigFileName, lines);
  }

  ScratchFolder data;
  LanguageTable texts = testing::filledLanguage();
  AppConfig config{data.path()};
  ProfileTable profiles;
};

TEST_F(ConfigLoaderTest, FirstStartWritesDefaultsEverywhere) {
  loadConfigurationAndProfiles(config, profiles, texts);
  AppConfig expected(data.path());
  expected.setDefaults();
  EXPECT_EQ(savedConfig().format(), expected.format());
  EXPECT_EQ(profiles.sensorModel, SensorModel{0x3325});
  for (unsigned i = 0; i < kProfileCount; ++i) {
    EXPECT_EQ(*profiles.record(i), defaultsFor(i, {0x3325})) << i;
    EXPECT_EQ(slotFile(i), defaultsFor(i, {0x3325})) << i;
  }
}

TEST_F(ConfigLoaderTest, SlotFilesAreRead) {
  loadConfigurationAndProfiles(config, profiles, texts);
  profiles.record(2)->keys[4].Name = u"Jump";
  ASSERT_TRUE(saveAllProfiles(profiles, config));

  AppConfig again(data.path());
  ProfileTable loaded;
  loadConfigurationAndProfiles(again, loaded, texts);
  EXPECT_EQ(loaded.record(2)->keys[4].Name, u"Jump");
}

TEST_F(ConfigLoaderTest, BrokenConfigurationKeepsTheProfilesThatReadWell) {
  loadConfigurationAndProfiles(config, profiles, texts);
  profiles.record(1)->keys[0].Name = u"Custom";
  saveAllProfiles(profiles, config);
  testing::writeTextFile(config.slotPath(3), {"[setting]"});
  auto lines = config.format();
  lines[2] = u"Sensor=";
  CStdioFileEx::writeLines(config.filePath(), lines);

  AppConfig again(data.path());
  ProfileTable loaded;
  loadConfigurationAndProfiles(again, loaded, texts);
  EXPECT_EQ(savedConfig().value(ConfigEntry::Sensor), u"0x3325");
  EXPECT_EQ(loaded.record(1)->keys[0].Name, u"Custom");
  EXPECT_EQ(slotFile(1).keys[0].Name, u"Custom");
  EXPECT_EQ(*loaded.record(3), defaultsFor(3, {0x3325}));
  EXPECT_EQ(slotFile(3), defaultsFor(3, {0x3325}));
}

TEST_F(ConfigLoaderTest, HeaderOnlyConfigurationReadsEmptyPaths) {
  writeConfig({"[Setting]"});
  loadConfigurationAndProfiles(config, profiles, texts);
  EXPECT_EQ(profiles.sensorModel, SensorModel{0});
  EXPECT_EQ(*profiles.record(0), defaultsFor(0, {0}));
  // The stale marker is replaced by the complement of sensor 0; everything else stays empty.
  EXPECT_EQ(config.value(ConfigEntry::PreST), u"0xFFFF");
  EXPECT_EQ(config.value(ConfigEntry::Sensor), u"");
  EXPECT_FALSE(std::filesystem::exists(configFolder(data.path()) / "default0.psf"));
}

TEST_F(ConfigLoaderTest, OtherSensorReappliesDpiDefaults) {
  loadConfigurationAndProfiles(config, profiles, texts);
  profiles.record(3)->keys[1].Name = u"Kept";
  saveAllProfiles(profiles, config);
  config.setSensor({0x3360});
  config.save();

  AppConfig again(data.path());
  ProfileTable loaded;
  loadConfigurationAndProfiles(again, loaded, texts);
  EXPECT_EQ(savedConfig().value(ConfigEntry::PreST), u"0xCC9F");
  const auto steps = SensorModel{0x3360}.dpiStepDefaults().value();
  for (std::size_t i = 0; i < kProfileCount; ++i) {
    EXPECT_EQ(loaded.record(i)->XYSetting, steps) << i;
    EXPECT_EQ(slotFile(i).XYSetting, steps) << i;
  }
  EXPECT_EQ(slotFile(3).keys[1].Name, u"Kept");
}

TEST_F(ConfigLoaderTest, MatchingSensorLeavesProfilesAlone) {
  loadConfigurationAndProfiles(config, profiles, texts);
  profiles.record(0)->XYSetting[0] = 99;
  saveAllProfiles(profiles, config);
  ProfileTable loaded;
  loadConfigurationAndProfiles(config, loaded, texts);
  EXPECT_EQ(loaded.record(0)->XYSetting[0], 99);
}

TEST_F(ConfigLoaderTest, BadSlotFileResetsOnlyThatProfileWithTheConfiguredSensor) {
  config.setDefaults();
  config.setSensor({0x3104});
  config.setPreST(0xCEFB);
  config.save();
  ProfileTable first;
  first.sensorModel = {0x3104};
  for (std::size_t i = 0; i < kProfileCount; ++i) {
    first.resetProfile(i, texts);
    first.record(i)->keys[0].Name = u"Mine";
  }
  saveAllProfiles(first, config);
  testing::writeTextFile(config.slotPath(2), {"[Setting]", "broken"});

  loadConfigurationAndProfiles(config, profiles, texts);
  EXPECT_EQ(*profiles.record(2), defaultsFor(2, {0x3104}));
  EXPECT_EQ(slotFile(2), defaultsFor(2, {0x3104}));
  EXPECT_EQ(profiles.record(1)->keys[0].Name, u"Mine");
}

TEST_F(ConfigLoaderTest, SensorReportedLaterIsRecordedAndApplied) {
  loadConfigurationAndProfiles(config, profiles, texts);
  reapplySensor(config, profiles, {0x3395});
  const auto saved = savedConfig();
  EXPECT_EQ(saved.value(ConfigEntry::Sensor), u"0x3395");
  EXPECT_EQ(saved.value(ConfigEntry::PreST), u"0xCC6A");
  EXPECT_EQ(slotFile(4).XYSetting, SensorModel{0x3395}.dpiStepDefaults().value());
}

}  // namespace
}  // namespace pelorin
