#include "macro/macro_editor.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

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

MacroKey macroOf(const std::string& hex, int commandCount) {
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
  macro.commandCount = static_cast<std::uint8_t>(commandCount);
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
  int count;
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
  MacroKey macro = macroOf(c.before, c.count);
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
        InsertCase{"LeftClickIntoEmpty", "", 0, LeftClick, -1, true, "E0000000 03000032 E0800000",
                   2, kDone, 2},
        InsertCase{"MiddleClickAfterSelectedRow", "41000000 41800000", 2, MiddleClick, 0, true,
                   "41000000 E2000000 03000032 E2800000 41800000", 4, kDone, 3},
        InsertCase{"ClickAt167IsFull", "41000000", 167, RightClick, -1, true, "41000000", 167,
                   kFull, -1},
        InsertCase{"KeyTakesTheCapturedKeyOnBoth", "", 0, Key, -1, true,
                   "42000000 03000032 42800000", 2, kDone, 2},
        InsertCase{"KeyCancelledRemovesAllThree", "E0000000", 1, Key, 0, false, "E0000000", 1,
                   kCancelled, 0},
        InsertCase{"KeyAt166Fits", "", 166, Key, -1, true, "42000000 03000032 42800000", 168, kDone,
                   2},
        InsertCase{"KeyAt167IsFull", "", 167, Key, -1, true, "", 167, kFull, -1},
        InsertCase{"MoveUpTakesTheDialogStep", "41000000", 1, MoveUp, -1, true, "41000000 E60000FB",
                   2, kDone, 1},
        InsertCase{"MoveAt167Fits", "", 167, MoveRight, -1, true, "E50000FB", 168, kDone, 0},
        InsertCase{"MoveAt168IsFull", "", 168, MoveLeft, -1, true, "", 168, kFull, -1},
        InsertCase{"MoveCancelledIsRemoved", "41000000", 1, MoveDown, 0, false, "41000000", 1,
                   kCancelled, 0},
        // A long delay costs a command; the new delay becomes the selected row.
        InsertCase{"DelayInserted", "41000000 41800000", 2, Delay, 0, true,
                   "41000000 030000C8 41800000", 3, kDone, 1},
        InsertCase{"DelayCancelledIsRemoved", "41000000", 1, Delay, -1, false, "41000000", 1,
                   kCancelled, -1},
        InsertCase{"DelayAfterDelayEditsIt", "41000000 03000064", 1, Delay, -1, true,
                   "41000000 030000C8", 2, kDone, -1},
        InsertCase{"DelayIntoFullCommandsStillAllowed", "", 168, Delay, -1, true, "030000C8", 169,
                   kDone, 0}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ModifyAction, DelaysAndKeysChangeMouseCodesDoNot) {
  MacroKey macro = macroOf("03000064 41800000 E50000FF E0000000 E7000001", 3);
  EXPECT_TRUE(modifyAction(macro, 0, user(true, 0x42, 200)));
  EXPECT_TRUE(modifyAction(macro, 1, user(true, 0x43)));
  for (int row : {2, 3, 4, 5, -1}) EXPECT_FALSE(modifyAction(macro, row, user(true))) << row;
  EXPECT_EQ(actionsHex(macro), "030000C8 43800000 E50000FF E0000000 E7000001");
  EXPECT_EQ(macro.commandCount, 4) << "the delay grew past 127 ms";
  EXPECT_FALSE(modifyAction(macro, 0, user(false, 0x42, 100)));
  EXPECT_TRUE(modifyAction(macro, 0, user(true, 0x42, 120)));
  EXPECT_EQ(macro.commandCount, 3);
}

TEST(DeleteAction, SelectionMovesBackOnlyFromTheLastRow) {
  MacroKey macro = macroOf("41000000 03000032 41800000", 2);
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
