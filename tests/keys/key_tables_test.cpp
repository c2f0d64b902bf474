#include <gtest/gtest.h>

#include <string>

#include "keys/key_name_table.h"
#include "keys/vk_to_usage_table.h"

namespace pelorin {
namespace {

class VkUsage : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(VkUsage, MapsVirtualKeyToUsage) {
  EXPECT_EQ(VkToUsageTable::usage(GetParam().first), GetParam().second)
      << std::hex << GetParam().first;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, VkUsage,
    ::testing::Values(
        std::pair{0x41, 0x04}, std::pair{0x5A, 0x1D}, std::pair{0x31, 0x1E}, std::pair{0x39, 0x26},
        std::pair{0x30, 0x27}, std::pair{0x0D, 0x28}, std::pair{0x20, 0x2C}, std::pair{0xBD, 0x2D},
        std::pair{0xDC, 0x31}, std::pair{0xBA, 0x33}, std::pair{0xC0, 0x35}, std::pair{0xBF, 0x38},
        std::pair{0x14, 0x39}, std::pair{0x70, 0x3A}, std::pair{0x7B, 0x45}, std::pair{0x13, 0x48},
        std::pair{0x22, 0x4E}, std::pair{0x26, 0x52}, std::pair{0x90, 0x53}, std::pair{0x6B, 0x57},
        std::pair{0x0E, 0x58}, std::pair{0x61, 0x59}, std::pair{0x69, 0x61}, std::pair{0x60, 0x62},
        std::pair{0x6E, 0x63}, std::pair{0x5D, 0x65}, std::pair{0x5F, 0x82}, std::pair{0xA2, 0xE0},
        std::pair{0x5B, 0xE3}, std::pair{0xA5, 0xE6}, std::pair{0x5C, 0xE7}, std::pair{0xE0, 0xF0},
        std::pair{0xE7, 0xF7}, std::pair{0xF0, 0x81}, std::pair{0xF1, 0x83}, std::pair{0xF2, 0x32},
        std::pair{0xF3, 0x64}, std::pair{0xF4, 0x85}, std::pair{0xF9, 0x8B}, std::pair{0xFA, 0x90},
        std::pair{0xFB, 0x91}, std::pair{0x3B, 0x29},
        // Unmapped keys and indices outside the table.
        std::pair{0x7C, 0}, std::pair{0x10, 0}, std::pair{0x6C, 0}, std::pair{0xFF, 0},
        std::pair{-1, 0}, std::pair{256, 0}));

TEST(VkToUsageTable, MapsExactlyTheListedKeys) {
  int mapped = 0;
  for (int key = 0; key < 256; ++key) mapped += VkToUsageTable::usage(key) != 0 ? 1 : 0;
  EXPECT_EQ(mapped, 126);
}

class KeyName : public ::testing::TestWithParam<std::pair<int, std::u16string>> {};

TEST_P(KeyName, NamesTheKey) {
  EXPECT_EQ(KeyNameTable::name(GetParam().first), GetParam().second)
      << std::hex << GetParam().first;
}

INSTANTIATE_TEST_SUITE_P(
    Entries, KeyName,
    ::testing::Values(std::pair{0x01, u"LBUTTON"}, std::pair{0x17, u"junja"},
                      std::pair{0x21, u"Page Up"}, std::pair{0x2F, u"Help"}, std::pair{0x30, u"0"},
                      std::pair{0x39, u"9"}, std::pair{0x41, u"A"}, std::pair{0x5A, u"Z"},
                      std::pair{0x5F, u"Sleep"}, std::pair{0x60, u"Num0"}, std::pair{0x69, u"Num9"},
                      std::pair{0x6F, u"Divide"}, std::pair{0x70, u"F1"}, std::pair{0x87, u"F24"},
                      std::pair{0x91, u"Scroll Lock"}, std::pair{0xA5, u"Alt_R"},
                      std::pair{0xC0, u"~"}, std::pair{0xDC, u"\\"}, std::pair{0xDE, u"'"},
                      std::pair{0xE0, u"L Key"}, std::pair{0xE4, u"K5"},
                      std::pair{0xE7, u"Mouse Wheel"}, std::pair{0x00, u"Undefined"},
                      std::pair{0x07, u"Undefined"}, std::pair{0x5E, u"Undefined"},
                      std::pair{0x88, u"Undefined"}, std::pair{0xFF, u"Undefined"},
                      std::pair{300, u"Undefined"}));

TEST(KeyNameTable, NamesExactlyTheListedKeys) {
  int named = 0;
  for (int key = 0; key < 256; ++key) named += KeyNameTable::name(key) != u"Undefined" ? 1 : 0;
  EXPECT_EQ(named, 147);
}

}  // namespace
}  // namespace pelorin
