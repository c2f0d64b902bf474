#include "lang/change_language.h"

#include <gtest/gtest.h>

#include "lang/scratch_folder.h"

namespace pelorin {
namespace {

using testing::ScratchFolder;
using testing::writeTextFile;

const UiFont kInitialFont{};

class ChangeLanguageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    writeTextFile(folder / kEnglishFileName, {"[Setting]", "0=English", "5=Cancel"});
    writeTextFile(folder / kOtherLanguageFileName, {"[Setting]", "0=中文", "5=取消"});
  }
  bool load(double scale = 1) { return changeLanguage(folder.path(), scale, texts, font); }

  ScratchFolder folder;
  LanguageTable texts;
  UiFont font;
};

struct SettingCase {
  const char* name;
  std::vector<std::string> settings;  // empty: no settings file
  const char16_t* expectedText5;
};

class LanguageChoiceTest : public ChangeLanguageTest,
                           public ::testing::WithParamInterface<SettingCase> {};

TEST_P(LanguageChoiceTest, PicksTheFileNamedBySettings) {
  if (!GetParam().settings.empty()) {
    writeTextFile(folder / kLanguageSettingName, GetParam().settings);
  }
  EXPECT_TRUE(load());
  EXPECT_EQ(texts[5], GetParam().expectedText5);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, LanguageChoiceTest,
    ::testing::Values(SettingCase{"English", {"[ChangeLanguage]", "Language=EN"}, u"Cancel"},
                      SettingCase{"KeyIsNotCompared", {"[ChangeLanguage]", "x=EN"}, u"Cancel"},
                      SettingCase{"LowerCaseCode", {"[ChangeLanguage]", "Language=en"}, u"取消"},
                      SettingCase{"OtherCode", {"[ChangeLanguage]", "Language=CN"}, u"取消"},
                      SettingCase{"MissingFile", {}, u"取消"},
                      SettingCase{"HeaderCase", {"[changelanguage]", "Language=EN"}, u"取消"},
                      SettingCase{"EmptyCode", {"[ChangeLanguage]", "Language="}, u"取消"},
                      SettingCase{"EmptyKey", {"[ChangeLanguage]", "=EN"}, u"取消"},
                      SettingCase{"NoCodeLine", {"[ChangeLanguage]"}, u"取消"},
                      SettingCase{"TrailingCr", {"[ChangeLanguage]", "Language=EN\r"}, u"取消"}),
    [](const auto& param) { return param.param.name; });

struct FontCase {
  const char* name;
  const char* languageName;
  double scale;
  UiFont expected;
};

class FontChoiceTest : public ChangeLanguageTest, public ::testing::WithParamInterface<FontCase> {};

TEST_P(FontChoiceTest, FollowsTextZeroAndScale) {
  writeTextFile(folder / kOtherLanguageFileName,
                {"[Setting]", std::string("0=") + GetParam().languageName});
  ASSERT_TRUE(load(GetParam().scale));
  EXPECT_EQ(font, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, FontChoiceTest,
    ::testing::Values(FontCase{"ChineseAtOne", "中文", 1, {u"宋体", 12, 134}},
                      FontCase{"ChineseAtOneAndHalf", "中文", 1.5, {u"宋体", 18, 134}},
                      FontCase{"ChineseAtTwo", "中文", 2, {u"宋体", 24, 134}},
                      FontCase{"EnglishAtOne", "English", 1, {u"Tahoma", 16, 1}},
                      FontCase{"EnglishAtOneAndHalf", "English", 1.5, {u"Tahoma", 24, 1}},
                      FontCase{"ChineseWithSuffix", "中文 ", 1, {u"Tahoma", 16, 1}}),
    [](const auto& param) { return param.param.name; });

struct BrokenFileCase {
  const char* name;
  std::vector<std::string> lines;
  const char16_t* text0;  // what stays loaded
  const char16_t* text9;
};

class BrokenLanguageFileTest : public ChangeLanguageTest,
                               public ::testing::WithParamInterface<BrokenFileCase> {};

TEST_P(BrokenLanguageFileTest, StopsAtTheBadLineAndKeepsTheFont) {
  writeTextFile(folder / kOtherLanguageFileName, GetParam().lines);
  EXPECT_FALSE(load(1.5));
  EXPECT_EQ(texts[0], GetParam().text0);
  EXPECT_EQ(texts[9], GetParam().text9);
  EXPECT_EQ(font, kInitialFont);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BrokenLanguageFileTest,
    ::testing::Values(
        BrokenFileCase{"EmptyText", {"[Setting]", "0=English", "7=", "9=late"}, u"English", u""},
        BrokenFileCase{"EmptyId", {"[Setting]", "0=English", "=x", "9=late"}, u"English", u""},
        BrokenFileCase{"NoEquals", {"[Setting]", "0=English", "9 late"}, u"English", u""},
        BrokenFileCase{"CrLfHeader", {"[Setting]\r", "0=English\r", "9=late\r"}, u"", u""},
        BrokenFileCase{"WrongHeader", {"[setting]", "0=English", "9=late"}, u"", u""},
        BrokenFileCase{"EmptyFile", {}, u"", u""}),
    [](const auto& param) { return param.param.name; });

TEST_F(ChangeLanguageTest, MissingLanguageFileLeavesEverythingAsItWas) {
  std::filesystem::remove(folder / kOtherLanguageFileName);
  EXPECT_FALSE(load());
  EXPECT_EQ(texts[0], u"");
  EXPECT_EQ(font, kInitialFont);
}

TEST_F(ChangeLanguageTest, TextKeepsEverythingAfterTheFirstEquals) {
  writeTextFile(folder / kOtherLanguageFileName,
                {"[Setting]", "0=English", "12=a=b = c ", "12x=d", "499=last", "500=out", "-3=neg",
                 "abc=zero", "0007=seven"});
  ASSERT_TRUE(load());
  EXPECT_EQ(texts[12], u"d");  // "12x" reads as 12, and a later line replaces the earlier one
  EXPECT_EQ(texts[499], u"last");
  EXPECT_EQ(texts[0], u"zero");  // an id without digits reads as 0
  EXPECT_EQ(texts[7], u"seven");
  EXPECT_EQ(font, (UiFont{u"Tahoma", 16, 1}));  // font follows text 0 as finally loaded
}

TEST_F(ChangeLanguageTest, IdsOutsideTheTableAreIgnored) {
  writeTextFile(folder / kOtherLanguageFileName,
                {"[Setting]", "500=out", "-1=neg", "99999999999999999999=huge", "1=one"});
  ASSERT_TRUE(load());
  for (int id = 0; id < LanguageTable::kSize; ++id) {
    EXPECT_EQ(texts[id], id == 1 ? u"one" : u"") << id;
  }
}

TEST(LoadLanguageLines, TextWithEqualsIsStoredWhole) {
  LanguageTable texts;
  ASSERT_TRUE(loadLanguageLines({u"[Setting]", u"12=x=y=", u"13=="}, texts));
  EXPECT_EQ(texts[12], u"x=y=");
  EXPECT_EQ(texts[13], u"=");
}

}  // namespace
}  // namespace pelorin
