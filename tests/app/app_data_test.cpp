#include "app/app_data.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "lang/scratch_folder.h"
#include "profile/data_folder.h"

namespace pelorin {
namespace {

using testing::ScratchFolder;

class AppDataTest : public ::testing::Test {
 protected:
  std::filesystem::path config() const { return configFolder(data.path()); }
  std::unique_ptr<AppData> load(const std::filesystem::path& folder) {
    std::string error;
    auto loaded = loadAppData(folder, program.path(), 1.0, error);
    EXPECT_TRUE(loaded) << error;
    return loaded;
  }

  ScratchFolder data;
  ScratchFolder program;  // holds no shipped language files, so nothing is seeded
};

// Folders and pipes where files belong, as a user's tidying or a broken copy leaves them: each
// is a file that cannot be read, and start-up carries on with that file's defaults.
TEST_F(AppDataTest, FoldersAndPipesWhereFilesBelongReadAsUnreadableFiles) {
  ASSERT_TRUE(prepareDataFolder(data.path()));
  for (const char* name : {"config.ini", "MacroLibraryFile.mlf", "Lan.txt", "default2.psf"}) {
    std::filesystem::create_directory(config() / name);
  }
  for (const char* name : {"LanSetting.ini", "default4.psf"}) {
    ASSERT_EQ(::mkfifo((config() / name).c_str(), 0600), 0);
  }

  const auto loaded = load(data.path());
  ASSERT_TRUE(loaded);
  EXPECT_TRUE(loaded->texts[0].empty());
  EXPECT_EQ(loaded->library.visibleRowCount(), 0);
  ProfileRecord defaults;
  resetProfile(defaults, 2, loaded->texts, {0x3325});
  EXPECT_EQ(*loaded->profiles.record(2), defaults);
  resetProfile(defaults, 4, loaded->texts, {0x3325});
  EXPECT_EQ(*loaded->profiles.record(4), defaults);
  EXPECT_TRUE(std::filesystem::is_directory(config() / "default2.psf"));
  EXPECT_TRUE(std::filesystem::is_regular_file(config() / "default1.psf"));
}

TEST_F(AppDataTest, RelativeDataFolderIsStoredAsAnAbsolutePath) {
  ASSERT_EQ(::chdir(data.path().c_str()), 0);
  const auto loaded = load("./here/../mine");
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->config.slotPath(0), data.path() / "mine" / "config" / "default0.psf");
  AppConfig saved(data.path() / "mine");
  ASSERT_TRUE(saved.read());
  EXPECT_EQ(saved.slotPath(4), data.path() / "mine" / "config" / "default4.psf");
}

TEST_F(AppDataTest, StartRemovesTemporariesOfSavesThatWereCutOff) {
  ASSERT_TRUE(prepareDataFolder(data.path()));
  // No process can have a number this large; process 1 always runs.
  for (const char* name :
       {"config.ini.tmp999999999", "default3.psf.tmp999999999", "config.ini.tmp1", "notes.txt"}) {
    testing::writeTextFile(config() / name, {"[Setting]"});
  }
  load(data.path());
  EXPECT_FALSE(std::filesystem::exists(config() / "config.ini.tmp999999999"));
  EXPECT_FALSE(std::filesystem::exists(config() / "default3.psf.tmp999999999"));
  EXPECT_TRUE(std::filesystem::exists(config() / "config.ini.tmp1"));
  EXPECT_TRUE(std::filesystem::exists(config() / "notes.txt"));
}

// A profile made for a sensor with more steps points past this sensor's table: it is read as
// the last step, which the DPI group shows and the mouse receives.
TEST_F(AppDataTest, StepsPastTheSensorsTableAreReadAsItsLastStep) {
  auto first = load(data.path());
  ASSERT_TRUE(first);
  ASSERT_EQ(first->dpiSteps.stepCount(), 59) << "sensor 0x3325";
  first->profiles.record(1)->XYSetting = {0, 58, 59, 500, 4, 5, 6, 7};
  ASSERT_TRUE(first->saveAll());
  const auto again = load(data.path());
  EXPECT_EQ(again->profiles.record(1)->XYSetting,
            (std::array<DpiStepIndex, 8>{0, 58, 58, 58, 4, 5, 6, 7}));
}

}  // namespace
}  // namespace pelorin
