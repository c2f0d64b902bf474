#include <gtest/gtest.h>

#include "profile/captions.h"
#include "profile/filled_language.h"

namespace pelorin {
namespace {

using testing::filledLanguage;

struct ShortcutCase {
  const char* label;
  ShortcutBoxes boxes;
  int key;
  std::u16string caption;
  AssignmentCode code;
};

class Shortcut : public ::testing::TestWithParam<ShortcutCase> {};

TEST_P(Shortcut, CaptionAndCode) {
  const auto record = shortcutSelection(GetParam().boxes, GetParam().key);
  EXPECT_EQ(record.caption, GetParam().caption);
  EXPECT_EQ(record.code, GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, Shortcut,
    ::testing::Values(
        ShortcutCase{"AllFour",
                     {false, true, true, true, true},
                     0x5A,
                     u"Ctrl+Shift+Alt+Win+Z",
                     {0x70, 0x0F, 0x1D}},
        ShortcutCase{
            "CtrlAlt", {false, true, false, true, false}, 0x43, u"Ctrl+Alt+C", {0x70, 0x05, 0x06}},
        ShortcutCase{
            "ModifiersOff", {true, true, true, false, false}, 0x43, u"C", {0x70, 0x00, 0x06}},
        ShortcutCase{"SingleKey", {}, 0x70, u"F1", {0x70, 0x00, 0x3A}},
        ShortcutCase{"NoKeyDropsTrailingPlus",
                     {false, true, true, false, false},
                     kNoKey,
                     u"Ctrl+Shift",
                     {0x70, 0x03, 0x00}},
        ShortcutCase{"UnmappedKey",
                     {false, false, false, false, true},
                     0x7C,
                     u"Win+F13",
                     {0x70, 0x08, 0x00}}),
    [](const auto& testCase) { return std::string(testCase.param.label); });

class ModifierPress : public ::testing::TestWithParam<int> {};

TEST_P(ModifierPress, LeavesTheCapturedKey) {
  EXPECT_EQ(captureShortcutKey(0x43, GetParam()), 0x43);
}

INSTANTIATE_TEST_SUITE_P(Modifiers, ModifierPress,
                         ::testing::Values(0x10, 0x11, 0x12, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5,
                                           0x5B, 0x5C));

TEST(CaptureShortcutKey, TakesOrdinaryKeys) {
  EXPECT_EQ(captureShortcutKey(0x43, 0x5A), 0x5A);
  EXPECT_EQ(captureShortcutKey(kNoKey, 0x20), 0x20);
}

TEST(DpiLock, CaptionIsTextDashStep) {
  const auto texts = filledLanguage();
  EXPECT_EQ(dpiLockSelection(7, texts), (SelectionRecord{u"T36-800", {0x50, 7, 0}}));
  EXPECT_EQ(dpiLockSelection(1, texts), (SelectionRecord{u"T36-200", {0x50, 1, 0}}));
  EXPECT_EQ(dpiLockSelection(11, texts), (SelectionRecord{u"T36-1200", {0x50, 11, 0}}));
}

TEST(FireKey, FirstNumberMustBeAboveFour) {
  auto texts = filledLanguage();
  texts.set(26, u"Fire Key+");
  EXPECT_FALSE(fireKeySelection(4, 0, texts).has_value());
  EXPECT_EQ(fireKeySelection(5, 0, texts), (SelectionRecord{u"Fire Key", {0x30, 5, 0}}));
  EXPECT_EQ(fireKeySelection(50, 300, texts), (SelectionRecord{u"Fire Key", {0x30, 50, 0x2C}}));
}

TEST(MacroCaption, NamedOrNone) {
  const auto texts = filledLanguage();
  EXPECT_EQ(macroSelection(u"Combo", texts), (SelectionRecord{u"T190Combo", {0x90, 0, 0}}));
  EXPECT_EQ(noMacroSelection(texts), (SelectionRecord{u"T34", {0x00, 0, 0}}));
}

}  // namespace
}  // namespace pelorin
