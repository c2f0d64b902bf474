#include <gtest/gtest.h>

#include <string>

#include "macro/action_text.h"

namespace pelorin {
namespace {

struct TextCase {
  MacroAction action;
  std::u16string text;
  ActionIcon icon;
};

class ActionTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(ActionTexts, TextAndIcon) {
  EXPECT_EQ(actionText(GetParam().action), (ActionText{GetParam().text, GetParam().icon}));
}

INSTANTIATE_TEST_SUITE_P(
    Actions, ActionTexts,
    ::testing::Values(TextCase{{0x03, 0x00, 0x00, 0x32}, u"50ms", ActionIcon::Delay},
                      TextCase{{0x03, 0x01, 0x00, 0x00}, u"65536ms", ActionIcon::Delay},
                      TextCase{{0x03, 0xE9, 0x75, 0xA0}, u"15300000ms", ActionIcon::Delay},
                      TextCase{{0x00, 0x00, 0x00, 0x05}, u"5ms", ActionIcon::Delay},
                      TextCase{{0x07, 0x80, 0x00, 0x01}, u"8388609ms", ActionIcon::Delay},
                      TextCase{{0xE5, 0x00, 0x00, 0xFF}, u"Move Left 1", ActionIcon::Press},
                      TextCase{{0xE5, 0x00, 0x00, 0x01}, u"Move Right 1", ActionIcon::Press},
                      TextCase{{0xE6, 0x00, 0x00, 0x81}, u"Move Up 127", ActionIcon::Press},
                      TextCase{{0xE6, 0x00, 0x00, 0x7F}, u"Move Down 127", ActionIcon::Press},
                      TextCase{{0xE6, 0x00, 0x00, 0x80}, u"Move Up 128", ActionIcon::Press},
                      TextCase{{0xE7, 0x00, 0x00, 0x00}, u"Wheel Down 0", ActionIcon::Press},
                      TextCase{{0xE7, 0x00, 0x00, 0xFE}, u"Wheel Up 2", ActionIcon::Press},
                      TextCase{{0x41, 0x80, 0x00, 0x00}, u"A", ActionIcon::Release},
                      TextCase{{0x41, 0x00, 0x00, 0x00}, u"A", ActionIcon::Press},
                      TextCase{{0x08, 0x00, 0x00, 0x00}, u"Backspace", ActionIcon::Press},
                      TextCase{{0xE0, 0x80, 0x00, 0x00}, u"L Key", ActionIcon::Release},
                      TextCase{{0xE4, 0x00, 0x00, 0x00}, u"K5", ActionIcon::Press},
                      TextCase{{0xDF, 0x00, 0x00, 0x00}, u"Undefined", ActionIcon::Press},
                      TextCase{{0xFF, 0x80, 0x00, 0x00}, u"Undefined", ActionIcon::Release}));

TEST(ActionIconFile, EachKindHasItsImage) {
  EXPECT_STREQ(actionIconFile(ActionIcon::Delay), "skins/macro_time.png");
  EXPECT_STREQ(actionIconFile(ActionIcon::Press), "skins/macro_down.png");
  EXPECT_STREQ(actionIconFile(ActionIcon::Release), "skins/macro_up.png");
}

}  // namespace
}  // namespace pelorin
