#include "device/macro_upload.h"

#include <gtest/gtest.h>

#include "macro/macro_editor.h"
#include "macro/macro_recorder.h"
#include "support/device_fixture.h"
#include "support/profile_fixture.h"

namespace pelorin {
namespace {

MacroKey macroOf(std::uint32_t keyIndex, std::initializer_list<MacroAction> actions,
                 std::uint8_t commandCount) {
  MacroKey key = MacroKey::create(u"M" + std::u16string(1, char16_t(u'0' + keyIndex)));
  key.keyIndex = keyIndex;
  for (const auto& a : actions) key.insertAction(key.actionCount, a);
  key.commandCount = commandCount;
  return key;
}

std::vector<std::uint8_t> entries(const MacroKey& key) {
  const auto image = buildMacroImage(key, 1);
  std::vector<std::uint8_t> out(image.begin() + 4, image.begin() + 4 + 3 * key.commandCount);
  return out;
}

using Bytes = std::vector<std::uint8_t>;

TEST(MacroImage, HeaderThenOneEntryPerNonDelayAction) {
  const auto key =
      macroOf(1, {MacroAction::press(0x41), MacroAction::delay(50), MacroAction::release(0x41)}, 2);
  const auto image = buildMacroImage(key, 3);
  EXPECT_EQ(Bytes(image.begin(), image.begin() + 4), (Bytes{0x09, 0x90, 0x03, 0x02}));
  EXPECT_EQ(entries(key), (Bytes{0x30, 0x32, 0x04, 0xB0, 0x00, 0x04}));
}

struct EntryCase {
  const char* name;
  MacroKey macro;
  Bytes expected;
};

class MacroEntries : public testing::TestWithParam<EntryCase> {};

TEST_P(MacroEntries, EncodeKindDelayAndValue) {
  EXPECT_EQ(entries(GetParam().macro), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MacroEntries,
    testing::Values(
        EntryCase{"LongDelayIsCapped",
                  macroOf(1, {MacroAction::press(0x41), MacroAction::delay(5000)}, 1),
                  {0x3F, 0xFF, 0x04}},
        EntryCase{"LeftButtonPress", macroOf(1, {MacroAction::press(0xE0)}, 1), {0x10, 0, 0x01}},
        EntryCase{"FifthButtonRelease",
                  macroOf(1, {MacroAction::release(0xE4), MacroAction::delay(0x123)}, 1),
                  {0x91, 0x23, 0x10}},
        EntryCase{"MoveLeftOne", macroOf(1, {MacroAction::move(0xE5, -1)}, 1), {0x40, 0, 0xFF}},
        EntryCase{"MoveDown", macroOf(1, {MacroAction::move(0xE6, 3)}, 1), {0x50, 0, 0x03}},
        EntryCase{"WheelStep", macroOf(1, {MacroAction::move(0xE7, 1)}, 1), {0x60, 0, 0x01}},
        EntryCase{"LeftShift", macroOf(1, {MacroAction::press(0xA0)}, 1), {0x20, 0, 0x02}},
        EntryCase{"RightAlt", macroOf(1, {MacroAction::press(0xA5)}, 1), {0x20, 0, 0x40}},
        EntryCase{"RightWin", macroOf(1, {MacroAction::press(0x5C)}, 1), {0x20, 0, 0x80}},
        EntryCase{
            "UnmappedKeyIsUsageZero", macroOf(1, {MacroAction::press(0xFF)}, 1), {0x30, 0, 0x00}},
        EntryCase{"LeadingAndDoubleDelaysDropped",
                  macroOf(1,
                          {MacroAction::delay(10), MacroAction::press(0x41), MacroAction::delay(7),
                           MacroAction::delay(9), MacroAction::release(0x41)},
                          2),
                  {0x30, 0x07, 0x04, 0xB0, 0x00, 0x04}}),
    [](const auto& p) { return std::string(p.param.name); });

class MacroUpload : public testing::Test, public test::DeviceFixture {
 protected:
  void SetUp() override {
    bus.plug(SimProduct::Cable, mouse);
    link->scanDevices();
    mouse->clearReceived();
  }
  void assignMacro(std::size_t button, const MacroKey& macro) {
    auto& slot = p.keys[button];
    slot.Value = {0x90, 0, 0};
    slot.MacroKeyIndex = macro.keyIndex;
    slot.Macro.copyFrom(macro);
  }
  LanguageTable texts = test::sampleTexts();
  ProfileTable table = test::factoryProfiles(texts);
  ProfileRecord& p = *table.record(0);
  MacroLibrary library;
  std::array<std::optional<MacroImage>, kMacroSlotCount> lastSent{};
};

struct ChunkCase {
  std::uint8_t commandCount;
  Bytes parts, lengths;  // bytes 5 and 6 of each chunk in order
};
class MacroChunks : public MacroUpload, public testing::WithParamInterface<ChunkCase> {};

TEST_P(MacroChunks, CarryPartNumbersAndLengths) {
  const auto count = GetParam().commandCount;
  auto m = macroOf(7, {}, count);
  for (int i = 0; i < count; ++i) m.insertAction(m.actionCount, MacroAction::press(0x41));
  library.putMacro(LibraryLocation::top(0), u"M", m);
  assignMacro(0, m);
  assignMacroSlots(p, library, texts, false);
  uploadMacros(*link, p, lastSent, true);
  Bytes parts, lengths;
  for (const auto& chunk : mouse->received()) {
    EXPECT_EQ(chunk.bytes[2], 0x0E);
    EXPECT_EQ(chunk.bytes[7], 1);
    parts.push_back(chunk.bytes[5]);
    lengths.push_back(chunk.bytes[6]);
  }
  EXPECT_EQ(parts, GetParam().parts);
  EXPECT_EQ(lengths, GetParam().lengths);
  EXPECT_EQ(mouse->settings().macroSlots.at(1).size(), 3u * count);
}

// 27 entry bytes leave two for a second chunk; 75 fill three chunks to the last byte.
INSTANTIATE_TEST_SUITE_P(Counts, MacroChunks,
                         testing::Values(ChunkCase{9, {0x02, 0x12}, {26, 3}},
                                         ChunkCase{25, {0x03, 0x13, 0x23}, {26, 26, 26}}));

// A and its release recorded 500 ms apart, then the delay edited to 100 ms: both entries go out,
// announced as two, with the new delay in the first.
TEST_F(MacroUpload, RecordedThenEditedMacroSendsEveryEntry) {
  MacroKey m = MacroKey::create(u"M");
  m.keyIndex = 5;
  MacroRecorder recorder;
  recorder.start(m);
  ASSERT_EQ(recorder.onHookKey(0x41, 1000, true), MacroRecorder::Outcome::Appended);
  ASSERT_EQ(recorder.onHookKey(0x41, 0x80000000 | 1500, true), MacroRecorder::Outcome::Appended);
  ActionEditors editors;
  editors.editDelay = [](MacroAction& a) {
    a = MacroAction::delay(100);
    return true;
  };
  ASSERT_TRUE(modifyAction(m, 1, editors));
  library.putMacro(LibraryLocation::top(0), u"M", m);
  assignMacro(0, m);
  assignMacroSlots(p, library, texts, false);
  const std::uint8_t seq = link->sequence();
  uploadMacros(*link, p, lastSent, true);
  const auto sent = mouse->received();
  ASSERT_EQ(sent.size(), 1u);
  const SimReport expected{0x0C, 0x01, 0x0E, 0x00, seq,  0x01, 0x07,
                           0x01, 0x30, 0x64, 0x04, 0xB0, 0x00, 0x04};
  EXPECT_EQ(sent[0].bytes, expected);
}

TEST_F(MacroUpload, EmptyMacroSendsOneEmptyChunk) {
  const auto m = macroOf(3, {}, 0);
  library.putMacro(LibraryLocation::top(0), u"M", m);
  assignMacro(2, m);
  assignMacroSlots(p, library, texts, false);
  uploadMacros(*link, p, lastSent, true);
  const auto sent = mouse->received();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].bytes[5], 0x01);
  EXPECT_EQ(sent[0].bytes[6], 1);
}

TEST_F(MacroUpload, SharedMacroSharesASlotAndIsSentOnce) {
  const auto m = macroOf(1, {MacroAction::press(0x41)}, 1);
  const auto n = macroOf(2, {MacroAction::press(0x42)}, 1);
  library.putFolder(LibraryLocation::top(0), u"F", true);
  library.putMacro(LibraryLocation::top(1), u"M", m);
  library.putMacro(LibraryLocation::child(0, 0), u"N", n);
  assignMacro(0, m);
  assignMacro(3, m);
  assignMacro(1, n);
  assignMacroSlots(p, library, texts, false);
  EXPECT_EQ(p.keys[0].Value, (AssignmentCode{0x90, 0x21, 0x01}));  // loop type 2, count 1
  EXPECT_EQ(p.keys[3].Value.param1 & 0x0F, 1);
  EXPECT_EQ(p.keys[1].Value.param1 & 0x0F, 2);
  uploadMacros(*link, p, lastSent, true);
  EXPECT_EQ(mouse->received().size(), 2u);
  mouse->clearReceived();
  uploadMacros(*link, p, lastSent, true);
  EXPECT_TRUE(mouse->received().empty());
}

TEST_F(MacroUpload, DeletedMacroTurnsTheButtonOff) {
  const auto m = macroOf(9, {MacroAction::press(0x41)}, 1);
  assignMacro(4, m);
  assignMacroSlots(p, library, texts, false);
  EXPECT_EQ(p.keys[4].Value, AssignmentCode{});
  EXPECT_EQ(p.keys[4].Name, u"Disabled");
}

TEST_F(MacroUpload, RelinkRefreshesTheCopyOnceAndLoopSettingsReachTheCode) {
  auto m = macroOf(4, {MacroAction::press(0x41)}, 1);
  assignMacro(0, m);
  m.insertAction(1, MacroAction::release(0x41));
  m.commandCount = 2;
  m.loopType = loop_type::kSecond;
  library.putMacro(LibraryLocation::top(0), u"M", m);
  EXPECT_FALSE(assignMacroSlots(p, library, texts, false));
  EXPECT_EQ(p.keys[0].Macro.actionCount, 1u);
  EXPECT_TRUE(assignMacroSlots(p, library, texts, true));
  EXPECT_EQ(p.keys[0].Macro.actionCount, 2u);
  EXPECT_EQ(p.keys[0].Value, (AssignmentCode{0x90, 0x41, 0x00}));
}

TEST_F(MacroUpload, WithoutHandleTheMacroGoesOutOnceTheHandleIsBack) {
  const auto m = macroOf(1, {MacroAction::press(0x41)}, 1);
  library.putMacro(LibraryLocation::top(0), u"M", m);
  assignMacro(0, m);
  link->connection(Product::Cable).handle.reset();
  assignMacroSlots(p, library, texts, false);
  const auto before = link->sequence();
  EXPECT_FALSE(uploadMacros(*link, p, lastSent, true).sent);
  EXPECT_EQ(link->sequence(), before + 1);
  link->scanDevices();
  uploadMacros(*link, p, lastSent, true);
  EXPECT_EQ(mouse->received().size(), 1u);
  EXPECT_EQ(mouse->settings().macroSlots.at(1), (std::vector<std::uint8_t>{0x30, 0x00, 0x04}));
}

}  // namespace
}  // namespace pelorin
