#include <gtest/gtest.h>

#include "platform/cairo/font_family.h"
#include "platform/resource_table.h"

namespace pelorin {
namespace {

TEST(ResourceTable, FindsAddedBytesAndNothingElse) {
  static constexpr std::uint8_t kBytes[] = {1, 2, 3};
  ResourceTable table;
  table.add(151, kBytes);
  EXPECT_EQ(table.find(151).size(), 3u);
  EXPECT_EQ(table.find(151).data(), kBytes);
  EXPECT_TRUE(table.find(364).empty());
}

struct FamilyCase {
  std::u16string face;
  std::string expected;
};

class FontFamilyTest : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(FontFamilyTest, MapsFaceToInstalledFamilies) {
  EXPECT_EQ(fontFamilyList(Font{GetParam().face, 12, 400, ""}), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Faces, FontFamilyTest,
    ::testing::Values(
        FamilyCase{u"Tahoma", "Tahoma,DejaVu Sans,Verdana,Liberation Sans,sans-serif"},
        FamilyCase{u"\u5B8B\u4F53",
                   "\xE5\xAE\x8B\xE4\xBD\x93,Noto Sans CJK SC,Source Han Sans SC,WenQuanYi Micro "
                   "Hei,Droid Sans Fallback,sans-serif"},
        FamilyCase{u"Segoe UI", "Segoe UI,sans-serif"}, FamilyCase{u"", "sans-serif"}));

}  // namespace
}  // namespace pelorin
