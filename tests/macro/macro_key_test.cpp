#include <gtest/gtest.h>

#include "macro/command_count.h"
#include "macro/macro_key.h"

namespace pelorin {
namespace {

MacroKey withActions(std::initializer_list<std::uint8_t> keys) {
  MacroKey macro = MacroKey::create(u"m");
  for (std::uint8_t key : keys) macro.insertAction(macro.actionCount, MacroAction::press(key));
  return macro;
}

TEST(MacroKey, CreateSetsDefaults) {
  const MacroKey macro = MacroKey::create(u"Combo");
  EXPECT_EQ(macro.name, u"Combo");
  EXPECT_EQ(macro.actionCount, 0U);
  EXPECT_EQ(macro.loopType, 2);
  EXPECT_EQ(macro.loopCount, 1);
  EXPECT_EQ(macro.commandCount, 0);
  for (const auto& action : macro.actions) ASSERT_EQ(action, MacroAction{});
}

TEST(MacroKey, InsertPastTheEndAppends) {
  MacroKey macro = withActions({1 + 8, 2 + 8, 3 + 8});
  ASSERT_TRUE(macro.insertAction(500, MacroAction::press(0x41)));
  EXPECT_EQ(macro.actionCount, 4U);
  EXPECT_EQ(macro.getAction(3), MacroAction::press(0x41));
  EXPECT_EQ(macro.getAction(2).b0, 11);
}

TEST(MacroKey, InsertInTheMiddleMovesTheRestUp) {
  MacroKey macro = withActions({0x41, 0x42, 0x43});
  ASSERT_TRUE(macro.insertAction(1, MacroAction::delay(50)));
  EXPECT_EQ(macro.getAction(0).b0, 0x41);
  EXPECT_EQ(macro.getAction(1), MacroAction::delay(50));
  EXPECT_EQ(macro.getAction(2).b0, 0x42);
  EXPECT_EQ(macro.getAction(3).b0, 0x43);
}

TEST(MacroKey, FullMacroRefusesInsert) {
  MacroKey macro = MacroKey::create(u"full");
  for (std::size_t i = 0; i < MacroKey::kMaxActions; ++i) {
    ASSERT_TRUE(macro.insertAction(i, MacroAction::press(static_cast<std::uint8_t>(8 + i % 200))));
  }
  const MacroKey before = macro;
  EXPECT_FALSE(macro.insertAction(0, MacroAction::delay(1)));
  EXPECT_EQ(macro, before);
}

TEST(MacroKey, DeleteMovesDownAndClearsTheLastSlot) {
  MacroKey macro = MacroKey::create(u"full");
  for (std::size_t i = 0; i < MacroKey::kMaxActions; ++i) {
    macro.insertAction(i, MacroAction::press(0x41));
  }
  macro.setAction(1, MacroAction::press(0x42));
  ASSERT_TRUE(macro.deleteAction(0));
  EXPECT_EQ(macro.actionCount, 335U);
  EXPECT_EQ(macro.actions[0].b0, 0x42);
  EXPECT_EQ(macro.actions[335], MacroAction{});
}

TEST(MacroKey, DeletingTheOnlyActionLeavesAnEmptyMacro) {
  MacroKey macro = withActions({0x41});
  ASSERT_TRUE(macro.deleteAction(0));
  EXPECT_EQ(macro.actionCount, 0U);
  EXPECT_EQ(macro.actions[0], MacroAction{});
  EXPECT_FALSE(macro.deleteAction(0));
}

TEST(MacroKey, SetAndGetBounds) {
  MacroKey macro = withActions({0x41, 0x42});
  EXPECT_FALSE(macro.setAction(336, MacroAction::press(0x43)));
  EXPECT_TRUE(macro.setAction(335, MacroAction::press(0x43)));
  EXPECT_EQ(macro.actionCount, 2U);
  EXPECT_EQ(macro.actions[335].b0, 0x43);
  // Slots past the used count read as zero; an index past the array reads slot 0.
  EXPECT_EQ(macro.getAction(335), MacroAction{});
  EXPECT_EQ(macro.getAction(336).b0, 0x41);
  EXPECT_EQ(macro.getAction(1000).b0, 0x41);
}

TEST(MacroKey, CopyLeavesNoStaleActionsAndKeepsSettings) {
  MacroKey target = withActions({0x41, 0x42, 0x43, 0x44});
  MacroKey source = withActions({0x51, 0x52});
  source.name = u"src";
  source.keyIndex = 17;
  source.loopType = loop_type::kSecond;
  source.loopCount = 9;
  source.commandCount = 4;
  source.setAction(100, MacroAction::press(0x60));  // beyond the count, not copied
  target.copyFrom(source);
  EXPECT_EQ(target.name, u"src");
  EXPECT_EQ(target.keyIndex, 17U);
  EXPECT_EQ(target.loopType, 4);
  EXPECT_EQ(target.loopCount, 9);
  EXPECT_EQ(target.commandCount, 4);
  EXPECT_EQ(target.actionCount, 2U);
  EXPECT_EQ(target.actions[1].b0, 0x52);
  EXPECT_EQ(target.actions[2], MacroAction{});
  EXPECT_EQ(target.actions[100], MacroAction{});
}

struct DelayCase {
  std::uint32_t ms;
  MacroAction bytes;
};

class DelayEncoding : public ::testing::TestWithParam<DelayCase> {};

TEST_P(DelayEncoding, BigEndianOverTheLastThreeBytes) {
  EXPECT_EQ(MacroAction::delay(GetParam().ms), GetParam().bytes);
  EXPECT_EQ(GetParam().bytes.delayMs(), GetParam().ms);
  EXPECT_TRUE(GetParam().bytes.isDelay());
}

INSTANTIATE_TEST_SUITE_P(Values, DelayEncoding,
                         ::testing::Values(DelayCase{50, {3, 0, 0, 0x32}},
                                           DelayCase{100, {3, 0, 0, 0x64}},
                                           DelayCase{4095, {3, 0, 0x0F, 0xFF}},
                                           DelayCase{65536, {3, 1, 0, 0}},
                                           DelayCase{15300000, {3, 0xE9, 0x75, 0xA0}}));

// The count is the mouse's entries: every action but a delay, whatever its kind or length.
TEST(CommandCount, CountsTheEntriesTheActionsProduce) {
  MacroKey macro = MacroKey::create(u"m");
  for (const MacroAction a :
       {MacroAction::delay(5), MacroAction::press(0x41), MacroAction::delay(500),
        MacroAction{7, 0, 0, 1}, MacroAction::release(0x41),
        MacroAction::move(macro_code::kMoveX, -1), MacroAction{0, 0, 0, 0}}) {
    macro.insertAction(macro.actionCount, a);
  }
  macro.actions[macro.actionCount] = MacroAction::press(0x42);  // past the count: not an entry
  EXPECT_EQ(command_count::entriesOf(macro), 3);
  command_count::recount(macro);
  EXPECT_EQ(macro.commandCount, 3);
  EXPECT_TRUE(command_count::fits(macro, 165));
  EXPECT_FALSE(command_count::fits(macro, 166));
}

TEST(CommandCount, RestartEmptiesListAndCountButKeepsTheRest) {
  MacroKey macro = withActions({0x41, 0x42});
  macro.keyIndex = 5;
  macro.loopType = loop_type::kFirst;
  macro.commandCount = 2;
  command_count::restart(macro);
  EXPECT_EQ(macro.actionCount, 0U);
  EXPECT_EQ(macro.commandCount, 0);
  EXPECT_EQ(macro.actions[1], MacroAction{});
  EXPECT_EQ(macro.keyIndex, 5U);
  EXPECT_EQ(macro.loopType, loop_type::kFirst);
}

}  // namespace
}  // namespace pelorin
