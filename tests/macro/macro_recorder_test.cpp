#include "macro/macro_recorder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace pelorin {
namespace {

constexpr std::intptr_t kRelease = 0x80000000;

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

struct HookEvent {
  int key;
  std::intptr_t lParam;  // release bit | stamp
};

struct RecordingCase {
  const char* name;
  bool insertDelays;
  std::vector<HookEvent> events;
  const char* actions;
  int commandCount;
};

class Recording : public ::testing::TestWithParam<RecordingCase> {};

TEST_P(Recording, RecordsTheEventsThatCount) {
  const RecordingCase& c = GetParam();
  MacroKey macro = MacroKey::create(u"m");
  macro.insertAction(0, MacroAction::press(0x5A));  // an old recording, replaced
  macro.commandCount = 9;
  MacroRecorder recorder;
  recorder.start(macro);
  for (const HookEvent& e : c.events) recorder.onHookKey(e.key, e.lParam, c.insertDelays);
  EXPECT_EQ(actionsHex(macro), c.actions);
  EXPECT_EQ(macro.commandCount, c.commandCount);
  EXPECT_EQ(macro.getAction(macro.actionCount), MacroAction{}) << "the old slot is cleared";
  EXPECT_TRUE(recorder.recording());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Recording,
    ::testing::Values(
        // The held key repeats its press; the first event has no delay before it.
        RecordingCase{"HeldKeyWithDelays",
                      true,
                      {{0x41, 1000}, {0x41, 1030}, {0x41, 1060}, {0x41, kRelease | 1250}},
                      "41000000 030000FA 41800000",
                      2},
        RecordingCase{"HeldKeyWithoutDelays",
                      false,
                      {{0x41, 1000}, {0x41, 1030}, {0x41, kRelease | 1250}},
                      "41000000 41800000",
                      2},
        // A second report of the same release is a duplicate; another key's press is not.
        RecordingCase{"DuplicateRelease",
                      false,
                      {{0x41, 5}, {0x41, kRelease | 6}, {0x41, kRelease | 7}, {0x42, 8}},
                      "41000000 41800000 42000000",
                      3},
        RecordingCase{"MouseButtonKeysIgnored",
                      true,
                      {{1, 10}, {7, kRelease | 20}, {0, 30}, {0x41, 40}, {7, 50}},
                      "41000000",
                      1},
        // Only the low byte of wParam is the key.
        RecordingCase{"HighBitsOfTheKeyIgnored", false, {{0x141, 10}}, "41000000", 1},
        RecordingCase{"TenSecondPauseIsCut",
                      true,
                      {{0x41, 100}, {0x42, 10100}},
                      "41000000 03000FFF 42000000",
                      2},
        RecordingCase{"WrappedStamp",
                      true,
                      {{0x41, 0x7FFFFF00}, {0x41, kRelease | 0x10}},
                      "41000000 03000110 41800000",
                      2},
        RecordingCase{"SameStampGivesZeroDelay",
                      true,
                      {{0x41, 7}, {0x42, 7}},
                      "41000000 03000000 42000000",
                      2}),
    [](const auto& test) { return std::string(test.param.name); });

class RecordingLimit : public ::testing::TestWithParam<bool> {};

// 168 key events fit with or without delays (335 slots at most); the 169th ends the recording
// and is not recorded.
TEST_P(RecordingLimit, The169thKeyEventEndsTheRecording) {
  const bool delays = GetParam();
  MacroKey macro = MacroKey::create(u"m");
  MacroRecorder recorder;
  recorder.start(macro);
  for (int i = 0; i < 168; ++i) {
    const std::intptr_t lParam = (i % 2 != 0 ? kRelease : 0) | (i * 10);
    ASSERT_EQ(recorder.onHookKey(0x41 + (i / 2) % 20, lParam, delays),
              MacroRecorder::Outcome::Appended)
        << i;
  }
  EXPECT_EQ(macro.actionCount, delays ? 335u : 168u);
  EXPECT_EQ(recorder.onHookKey(0x30, 5000, delays), MacroRecorder::Outcome::LimitReached);
  EXPECT_FALSE(recorder.recording());
  EXPECT_EQ(macro.actionCount, delays ? 335u : 168u);
  EXPECT_EQ(macro.commandCount, 168);
  EXPECT_EQ(recorder.onHookKey(0x31, 5010, delays), MacroRecorder::Outcome::Ignored);
}

INSTANTIATE_TEST_SUITE_P(Delays, RecordingLimit, ::testing::Bool());

// Delays inserted by hand while recording use up the slots before the entry limit: an event is
// taken only when it can be stored, and then it is counted.
TEST(RecordingLimit, AnEventWithoutRoomEndsTheRecordingUncounted) {
  MacroKey macro = MacroKey::create(u"m");
  MacroRecorder recorder;
  recorder.start(macro);
  ASSERT_EQ(recorder.onHookKey(0x41, 0, true), MacroRecorder::Outcome::Appended);
  for (int i = 0; i < 200; ++i) macro.insertAction(macro.actionCount, MacroAction::delay(10));
  int accepted = 1;
  for (int i = 1;
       recorder.onHookKey(0x42 + i % 2, i * 10, true) == MacroRecorder::Outcome::Appended; ++i) {
    ++accepted;
  }
  EXPECT_EQ(accepted, 68) << "135 slots were left, two for each event";
  EXPECT_EQ(macro.actionCount, 335U);
  EXPECT_EQ(macro.commandCount, accepted);
  EXPECT_FALSE(recorder.recording());
}

}  // namespace
}  // namespace pelorin
