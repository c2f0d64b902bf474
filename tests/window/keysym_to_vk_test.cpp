#include <gtest/gtest.h>

#include "platform/linux/keysym_to_vk.h"
#include "platform/virtual_keys.h"

namespace pelorin {
namespace {

struct KeyCase {
  std::uint32_t keysym;
  int virtualKey;
};

class KeysymTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeysymTest, TranslatesToTheVirtualKey) {
  EXPECT_EQ(keysymToVirtualKey(GetParam().keysym), GetParam().virtualKey);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeysymTest,
    ::testing::Values(KeyCase{0xFF0D, vk::kReturn}, KeyCase{0xFF8D, vk::kReturn},  // keypad Enter
                      KeyCase{0xFF1B, vk::kEscape}, KeyCase{0xFF51, vk::kLeft},
                      KeyCase{0xFF52, vk::kUp}, KeyCase{0xFF53, vk::kRight},
                      KeyCase{0xFF54, vk::kDown}, KeyCase{'a', 'A'}, KeyCase{'z', 'Z'},
                      KeyCase{'Q', 'Q'}, KeyCase{'0', '0'}, KeyCase{'9', '9'},
                      KeyCase{0xFFBE, vk::kF1}, KeyCase{0xFFC9, vk::kF1 + 11},
                      KeyCase{0xFFB0, vk::kNumpad0}, KeyCase{0xFFB9, vk::kNumpad0 + 9},
                      KeyCase{0xFFE1, vk::kLShift}, KeyCase{0xFFE4, vk::kRControl},
                      KeyCase{0xFFFF, vk::kDelete}, KeyCase{0x0020, vk::kSpace},
                      KeyCase{0x002D, vk::kOemMinus}, KeyCase{0xFE20, vk::kTab}, KeyCase{0x00E9, 0},
                      KeyCase{0x1008FF11, 0}));

}  // namespace
}  // namespace pelorin
