#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/hex_text.h"
#include "common/key_value.h"
#include "common/line_reader.h"

namespace pelorin {
namespace {

struct SplitCase {
  std::u16string_view line;
  KeyValueRule rule;
  std::optional<std::pair<std::u16string_view, std::u16string_view>> expected;
};

class SplitKeyValue : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitKeyValue, SplitsAtTheFirstEqualsUnderItsRule) {
  const auto split = splitKeyValue(GetParam().line, GetParam().rule);
  ASSERT_EQ(split.has_value(), GetParam().expected.has_value());
  if (split) {
    EXPECT_EQ(split->key, GetParam().expected->first);
    EXPECT_EQ(split->value, GetParam().expected->second);
  }
}

constexpr KeyValueRule kBoth{.needsKey = true, .needsValue = true};
constexpr KeyValueRule kKey{.needsKey = true};
constexpr KeyValueRule kValue{.needsValue = true};

INSTANTIATE_TEST_SUITE_P(
    Rules, SplitKeyValue,
    testing::Values(SplitCase{u"a=b=c", kBoth, {{u"a", u"b=c"}}},
                    SplitCase{u"no equals", {}, std::nullopt}, SplitCase{u"=", {}, {{u"", u""}}},
                    SplitCase{u"=x", kBoth, std::nullopt}, SplitCase{u"k=", kBoth, std::nullopt},
                    SplitCase{u"k=", kKey, {{u"k", u""}}}, SplitCase{u"=x", kKey, std::nullopt},
                    SplitCase{u"=x", kValue, {{u"", u"x"}}},
                    SplitCase{u"k=", kValue, std::nullopt}));

TEST(LineReader, HandsOutLinesInOrderAndConsumesBrokenOnes) {
  const CStdioFileEx::Lines lines{u"[S]", u"broken", u"k=v"};
  LineReader reader(lines);
  EXPECT_TRUE(reader.header(u"[S]"));
  EXPECT_FALSE(reader.value(kBoth));
  EXPECT_EQ(reader.value(kBoth), u"v");
  EXPECT_TRUE(reader.atEnd());
  EXPECT_FALSE(reader.line());
  LineReader lowerCase(lines);
  EXPECT_FALSE(lowerCase.header(u"[s]"));
}

TEST(HexText, WritesListsAndRowsAtFixedWidth) {
  std::u16string out;
  appendHexList(out, std::array<std::uint8_t, 3>{0x0A, 0xFF, 0x00}, 2);
  out += u' ';
  appendHexRow(out, std::vector<std::uint32_t>{0x12345, 0xABCDEF}, 6);
  appendHexRow(out, std::vector<std::uint32_t>{0x1}, 4);
  EXPECT_EQ(out, u"0A|FF|00 012345|ABCDEF;0001;");
}

TEST(HexText, ReadsPiecesAtFixedPositionsWithLeadingDigitSemantics) {
  EXPECT_EQ(hexListItem(u"0A|ff|7G|G7", 1, 2), 0xFFu);
  EXPECT_EQ(hexListItem(u"0A|ff|7G|G7", 2, 2), 0x7u);
  EXPECT_EQ(hexListItem(u"0A|ff|7G|G7", 3, 2), 0u);
  EXPECT_EQ(hexListItem(u"0A|ff|7G|G7", 4, 2), 0u);  // past the end
  std::array<std::uint8_t, 2> bytes{9, 9};
  EXPECT_FALSE(readHexBytes(u"ABC", bytes));
  EXPECT_EQ(bytes, (std::array<std::uint8_t, 2>{9, 9}));
  EXPECT_TRUE(readHexBytes(u"aBx1", bytes));
  EXPECT_EQ(bytes, (std::array<std::uint8_t, 2>{0xAB, 0x00}));
}

}  // namespace
}  // namespace pelorin
