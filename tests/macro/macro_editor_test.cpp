#include "macro/macro_editor.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "macro/command_count.h"

namespace pelorin {
namespace {

std::string actionsHex(const MacroKey& macro) {
  std::string text;
  for (std::uint32_t i = 0; i < macro.actionCount; ++i) {
    const MacroAction a = macro.actions[i];
    char group[10];
    std::snprintf(group, sizeof group, "%02X%02X%02X%02X", a.b0, a.b1, a.b2, a.b3);
    text += (text.empty() ? "" : " ") + std::string(group);
  }
  return text;
}

MacroKey macroOf(const std::string& hex) {
  MacroKey macro = MacroKey::create(u"m");
  std::istringstream in(hex);
  std::string group;
  while (in >> group) {
    const auto word = static_cast<std::uint32_t>(std::stoul(group, nullptr, 16));
    macro.insertAction(
        macro.actionCount,
        {static_cast<std::uint8_t>(word >> 24), static_cast<std::uint8_t>(word >> 16),
         static_cast<std::uint8_t>(word >> 8), static_cast<std::uint8_t>(word)});
  }
  command_count::recount(macro);
  return macro;
}

// A macro of `keys` key presses after `delays` delays.
MacroKey filled(int keys, int delays = 0) {
  MacroKey macro = MacroKey::create(u"m");
  for (int i = 0; i < delays; ++i) macro.insertAction(macro.actionCount, MacroAction::delay(9));
  for (int i = 0; i < keys; ++i) macro.insertAction(macro.actionCount, MacroAction::press(0x41));
  command_count::recount(macro);
  return macro;
}

// What the user does in the value dialog: confirms with these values, or cancels.
ActionEditors user(bool confirm, std::uint8_t key = 0x42, std::uint32_t delayMs = 200,
                   int step = -5) {
  ActionEditors editors;
  editors.captureKey = [=](MacroAction& a) {
    a.b0 = key;
    return confirm;
  };
  editors.editDelay = [=](MacroAction& a) {
    a = MacroAction::delay(delayMs);
    return confirm;
  };
  editors.editMove = [=](MacroAction& a, InsertItem) {
    a.b3 = static_cast<std::uint8_t>(step);
    return confirm;
  };
  return editors;
}

struct InsertCase {
  const char* name;
  const char* before;
  InsertItem item;
  int selected;
  bool confirm;
  const char* after;
  int countAfter;
  EditResult::Outcome outcome;
  int selectedAfter;
};

class Insert : public ::testing::TestWithParam<InsertCase> {};

TEST_P(Insert, PlacesCountsAndSelects) {
  const InsertCase& c = GetParam();
  MacroKey macro = macroOf(c.before);
  const EditResult result = insertAction(macro, c.item, c.selected, user(c.confirm));
  EXPECT_EQ(actionsHex(macro), c.after);
  EXPECT_EQ(macro.commandCount, c.countAfter);
  EXPECT_EQ(result.outcome, c.outcome);
  EXPECT_EQ(result.selectedRow, c.selectedAfter);
}

using enum InsertItem;
constexpr auto kDone = EditResult::Done;
constexpr auto kCancelled = EditResult::Cancelled;
constexpr auto kFull = EditResult::Full;

INSTANTIATE_TEST_SUITE_P(
    Cases, Insert,
    ::testing::Values(
        InsertCase{"LeftClickIntoEmpty", "", LeftClick, -1, true, "E0000000 03000032 E0800000", 2,
                   kDone, 2},
        InsertCase{"MiddleClickAfterSelectedRow", "41000000 41800000", MiddleClick, 0, true,
                   "41000000 E2000000 03000032 E2800000 41800000", 4, kDone, 3},
        InsertCase{"KeyTakesTheCapturedKeyOnBoth", "", Key, -1, true, "42000000 03000032 42800000",
                   2, kDone, 2},
        InsertCase{"KeyCancelledRemovesAllThree", "E0000000", Key, 0, false, "E0000000", 1,
                   kCancelled, 0},
        InsertCase{"MoveUpTakesTheDialogStep", "41000000", MoveUp, -1, true, "41000000 E60000FB", 2,
                   kDone, 1},
        InsertCase{"MoveCancelledIsRemoved", "41000000", MoveDown, 0, false, "41000000", 1,
                   kCancelled, 0},
        // A delay rides in the entry before it, however long; it becomes the selected row.
        InsertCase{"DelayInserted", "41000000 41800000", Delay, 0, true,
                   "41000000 030000C8 41800000", 2, kDone, 1},
        InsertCase{"DelayCancelledIsRemoved", "41000000", Delay, -1, false, "41000000", 1,
                   kCancelled, -1},
        InsertCase{"DelayAfterDelayEditsIt", "41000000 03000064", Delay, -1, true,
                   "41000000 030000C8", 1, kDone, -1}),
    [](const auto& test) { return std::string(test.param.name); });

struct LimitCase {
  const char* name;
  int keys, delays;
  InsertItem item;
  EditResult::Outcome outcome;
  int countAfter;
};

class InsertLimit : public ::testing::TestWithParam<LimitCase> {};

// The limit is on entries (168) and on slots (336): the last insert that fits, the first that
// does not, and a list full of delays.
TEST_P(InsertLimit, RefusesOnlyWhatPassesTheLimit) {
  const LimitCase& c = GetParam();
  MacroKey macro = filled(c.keys, c.delays);
  const std::uint32_t before = macro.actionCount;
  const EditResult result = insertAction(macro, c.item, -1, user(true));
  EXPECT_EQ(result.outcome, c.outcome);
  EXPECT_EQ(macro.commandCount, c.countAfter);
  EXPECT_EQ(macro.commandCount, command_count::entriesOf(macro));
  if (c.outcome == kFull) {
    EXPECT_EQ(macro.actionCount, before);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ends, InsertLimit,
    ::testing::Values(LimitCase{"ClickAt166Fits", 166, 0, LeftClick, kDone, 168},
                      LimitCase{"ClickAt167IsFull", 167, 0, RightClick, kFull, 167},
                      LimitCase{"KeyAt166Fits", 166, 0, Key, kDone, 168},
                      LimitCase{"KeyAt167IsFull", 167, 0, Key, kFull, 167},
                      LimitCase{"MoveAt167Fits", 167, 0, MoveRight, kDone, 168},
                      LimitCase{"MoveAt168IsFull", 168, 0, MoveLeft, kFull, 168},
                      LimitCase{"DelayAt168Fits", 168, 0, Delay, kDone, 168},
                      LimitCase{"ClickWithoutSlotsIsFull", 0, 334, MiddleClick, kFull, 0},
                      LimitCase{"MoveIntoTheLastSlotFits", 0, 335, MoveDown, kDone, 1},
                      LimitCase{"DelayWithoutSlotsIsFull", 168, 168, Delay, kFull, 168}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ModifyAction, DelaysAndKeysChangeMouseCodesDoNot) {
  MacroKey macro = macroOf("03000064 41800000 E50000FF E0000000 E7000001");
  EXPECT_TRUE(modifyAction(macro, 0, user(true, 0x42, 200)));
  EXPECT_TRUE(modifyAction(macro, 1, user(true, 0x43)));
  for (int row : {2, 3, 4, 5, -1}) EXPECT_FALSE(modifyAction(macro, row, user(true))) << row;
  EXPECT_EQ(actionsHex(macro), "030000C8 43800000 E50000FF E0000000 E7000001");
  EXPECT_FALSE(modifyAction(macro, 0, user(false, 0x42, 100)));
  EXPECT_TRUE(modifyAction(macro, 0, user(true, 0x42, 120)));
  EXPECT_EQ(macro.commandCount, 4) << "a delay of any length adds no entry";
}

TEST(DeleteAction, SelectionMovesBackOnlyFromTheLastRow) {
  MacroKey macro = macroOf("41000000 03000032 41800000");
  EXPECT_EQ(deleteAction(macro, 2), 1);
  EXPECT_EQ(macro.commandCount, 1);
  EXPECT_EQ(deleteAction(macro, 0), 0) << "now the delay";
  EXPECT_EQ(deleteAction(macro, 0), -1) << "the only row";
  EXPECT_EQ(macro.commandCount, 0) << "deleting the delay cost nothing";
  EXPECT_EQ(deleteAction(macro, 0), -1);
}

TEST(LoopCount, LimitedTo1Through255WithTheBoxCorrected) {
  const auto check = [](const std::u16string& typed, int value, const std::u16string& shown) {
    const LoopCountEntry entry = parseLoopCount(typed);
    EXPECT_EQ(entry.value, value) << value;
    EXPECT_EQ(entry.replacement, shown) << value;
  };
  check(u"300", 255, u"255");
  check(u"256", 255, u"255");
  check(u"255", 255, u"");
  check(u"1", 1, u"");
  check(u"0", 1, u"1");
  check(u"", 1, u"1");
  check(u"12x", 12, u"");
}

}  // namespace
}  // namespace pelorin
