// Checks the language files as the build ships them: their format, that both languages cover the
// same texts, and that every text the program shows has a wording.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "common/utf.h"
#include "lang/change_language.h"
#include "lang/scratch_folder.h"

#ifdef PELORIN_LANG_DIR

namespace pelorin {
namespace {

const std::filesystem::path kShipped = PELORIN_LANG_DIR;

std::string bytesOf(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Ids the program looks up, as fixed numbers or ranges of fixed numbers.
std::set<int> idsInUse() {
  std::set<int> ids{0,   34,  36,  140, 141, 142, 143, 144, 145, 146, 147, 150, 151, 152, 153,
                    154, 155, 156, 180, 190, 220, 221, 232, 233, 234, 235, 236, 237, 238, 239,
                    241, 242, 243, 257, 260, 265, 266, 267, 268, 270, 271, 272, 273, 274};
  const std::pair<int, int> ranges[] = {{1, 33},    {40, 42},   {45, 54},   {60, 68},
                                        {75, 80},   {85, 93},   {100, 103}, {105, 105},
                                        {108, 110}, {120, 123}, {130, 135}, {170, 176},
                                        {191, 210}, {222, 225}, {245, 256}, {261, 264}};
  for (auto [first, last] : ranges) {
    for (int id = first; id <= last; ++id) ids.insert(id);
  }
  return ids;
}

struct ShippedFile {
  const char* fileName;
  const char* code;
  const char16_t* languageName;
};

class ShippedLanguageTest : public ::testing::TestWithParam<ShippedFile> {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(kShipped / GetParam().fileName, folder / GetParam().fileName);
    testing::writeTextFile(folder / kLanguageSettingName,
                           {"[ChangeLanguage]", std::string("Language=") + GetParam().code});
  }
  testing::ScratchFolder folder;
};

TEST_P(ShippedLanguageTest, LoadsCompletelyWithEveryTextInUse) {
  LanguageTable texts;
  UiFont font;
  ASSERT_TRUE(changeLanguage(folder.path(), 1, texts, font));
  EXPECT_EQ(texts[0], GetParam().languageName);
  for (int id : idsInUse()) EXPECT_FALSE(texts[id].empty()) << "text " << id;
}

TEST_P(ShippedLanguageTest, IsUtf16WithMarkAndLineFeedsOnly) {
  const auto bytes = bytesOf(folder / GetParam().fileName);
  ASSERT_GE(bytes.size(), 4u);
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
  EXPECT_EQ(bytes.size() % 2, 0u);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), std::string("\n\0", 2));
  EXPECT_EQ(bytes.find(std::string("\r\0", 2)), std::string::npos);
}

TEST_P(ShippedLanguageTest, PowerCaptionReadsAsOnePhrase) {
  LanguageTable texts;
  UiFont font;
  ASSERT_TRUE(changeLanguage(folder.path(), 1, texts, font));
  // The caption is text 266, the number and text 267 run together.
  const auto caption = toUtf8(texts[266] + u"6" + texts[267]);
  EXPECT_TRUE(caption.find(" 6 ") != std::string::npos || caption.find("：6 ") != std::string::npos)
      << caption;
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLanguageTest,
                         ::testing::Values(ShippedFile{"Lan_EN.txt", "EN", u"English"},
                                           ShippedFile{"Lan.txt", "CN", u"中文"}),
                         [](const auto& param) { return std::string(param.param.code); });

TEST(ShippedLanguages, BothDefineTheSameTexts) {
  auto idsOf = [](const char* name) {
    std::set<std::u16string> ids;
    const auto lines = CStdioFileEx::readLines(kShipped / name).value();
    for (const auto& line : lines) {
      ids.insert(line.substr(0, line.find(u'=')));
    }
    return ids;
  };
  EXPECT_EQ(idsOf("Lan_EN.txt"), idsOf("Lan.txt"));
}

}  // namespace
}  // namespace pelorin

#endif
