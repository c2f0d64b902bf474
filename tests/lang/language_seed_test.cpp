#include "lang/language_seed.h"

#include <gtest/gtest.h>

#include <fstream>

#include "lang/change_language.h"
#include "lang/scratch_folder.h"

namespace pelorin {
namespace {

using testing::ScratchFolder;
using testing::writeTextFile;

class LanguageSeedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(shipped.path());
    std::filesystem::create_directories(config);
    writeTextFile(shipped / kEnglishFileName, {"[Setting]", "0=English", "1=Settings"});
    writeTextFile(shipped / kOtherLanguageFileName, {"[Setting]", "0=中文", "1=设置"});
  }
  std::u16string loadedText1() {
    LanguageTable texts;
    UiFont font;
    changeLanguage(config, 1, texts, font);
    return texts[1];
  }

  ScratchFolder shipped;
  ScratchFolder data;
  std::filesystem::path config = data / "config";
};

TEST_F(LanguageSeedTest, EnglishUnlessTheLocaleIsChinese) {
  ASSERT_TRUE(seedLanguageFiles(shipped.path(), config, false));
  EXPECT_EQ(loadedText1(), u"Settings");
  EXPECT_EQ(CStdioFileEx::readLines(config / kEnglishFileName),
            CStdioFileEx::readLines(shipped / kEnglishFileName));
}

TEST_F(LanguageSeedTest, ChineseLocaleChoosesTheOtherFile) {
  ASSERT_TRUE(seedLanguageFiles(shipped.path(), config, true));
  EXPECT_EQ(loadedText1(), u"设置");
}

TEST_F(LanguageSeedTest, NeverReplacesTheUsersFiles) {
  writeTextFile(config / kLanguageSettingName, {"[ChangeLanguage]", "Language=CN"});
  writeTextFile(config / kOtherLanguageFileName, {"[Setting]", "1=edited"});
  ASSERT_TRUE(seedLanguageFiles(shipped.path(), config, false));
  EXPECT_EQ(loadedText1(), u"edited");
  EXPECT_TRUE(std::filesystem::exists(config / kEnglishFileName));  // the missing one is added
}

TEST_F(LanguageSeedTest, ReportsAShippedFileThatIsMissing) {
  std::filesystem::remove(shipped / kOtherLanguageFileName);
  EXPECT_FALSE(seedLanguageFiles(shipped.path(), config, false));
  EXPECT_FALSE(std::filesystem::exists(config / kOtherLanguageFileName));
  EXPECT_TRUE(std::filesystem::exists(config / kLanguageSettingName));
}

TEST(LanguageSeed, SettingsFileBytes) {
  const std::string expected(
      "\xFF\xFE[\0C\0h\0a\0n\0g\0e\0L\0a\0n\0g\0u\0a\0g\0e\0]\0\n\0"
      "L\0a\0n\0g\0u\0a\0g\0e\0=\0E\0N\0\n\0",
      2 + 17 * 2 + 12 * 2);
  EXPECT_EQ(CStdioFileEx::encode(languageSettingLines(false)), expected);
}

TEST(LanguageSeed, ChineseLocaleNames) {
  for (const char* name : {"zh_CN.UTF-8", "zh_TW", "zh"})
    EXPECT_TRUE(isChineseLocale(name)) << name;
  for (const char* name : {"", "C", "en_US.UTF-8", "C.UTF-8", "de_CH"}) {
    EXPECT_FALSE(isChineseLocale(name)) << name;
  }
}

}  // namespace
}  // namespace pelorin
