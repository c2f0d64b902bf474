#include "profile/profile_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "common/utf.h"
#include "lang/scratch_folder.h"
#include "profile/filled_language.h"

namespace pelorin {
namespace {

using testing::ScratchFolder;
using Lines = CStdioFileEx::Lines;

// Every field away from its default, with values that differ from field to field.
ProfileRecord fullyChangedRecord() {
  ProfileRecord record;
  for (std::size_t i = 0; i < record.pairs.size(); ++i) {
    const auto n = toUtf16(std::to_string(i));
    record.pairs[i] = {u"Key" + n, u"välue=" + n};
  }
  for (std::size_t k = 0; k < record.keys.size(); ++k) {
    auto& slot = record.keys[k];
    const auto b = static_cast<std::uint8_t>(0xA0 + k);
    slot.Name = u"Name " + toUtf16(std::to_string(k)) + u" =宏";
    slot.Value = {b, static_cast<std::uint8_t>(b + 1), static_cast<std::uint8_t>(b + 2)};
    slot.MacroKeyIndex = 4000000000u + static_cast<std::uint32_t>(k);
    slot.Macro.name = u"Macro" + toUtf16(std::to_string(k));
    slot.Macro.actionCount = static_cast<std::uint32_t>(7 + k);
    for (std::size_t i = 0; i < MacroKey::kMaxActions; ++i) {
      const auto v = static_cast<std::uint8_t>(i * 7 + k);
      slot.Macro.actions[i] = {v, static_cast<std::uint8_t>(v ^ 0xFF), static_cast<std::uint8_t>(k),
                               static_cast<std::uint8_t>(i)};
    }
    // The first action (kind k) and, for k = 0, the second (kind 7) are delays: no entries.
    slot.Macro.commandCount = static_cast<std::uint8_t>(k == 0 ? 5 : 6 + k);
  }
  record.PollingRateName = u"500HZ";
  record.PollingRateValue = {2, 0xAB, 0xCD};
  record.Lighting1OffOn = 0xE1;
  record.Lighting1Name = u"Wave";
  record.Lighting1ModeValue = {9, 8, 7};
  for (std::size_t m = 0; m < kLightingModeCount; ++m) {
    record.Lighting1Speed[m] = static_cast<std::uint8_t>(0x10 + m);
    record.Lighting1Brightness[m] = static_cast<std::uint8_t>(0x20 + m);
    record.Lighting1Direction[m] = static_cast<std::uint8_t>(0xF0 + m);
    for (std::size_t s = 0; s < kLightingColourSlots; ++s) {
      record.Lighting1ColorSelected[m][s] = static_cast<std::uint8_t>(m * 10 + s);
      record.Lighting1FixedColor[m][s] = static_cast<ColourRef>(0x010203 * (m * 10 + s + 1));
    }
  }
  record.Lighting2OffOn = 1;
  record.Lighting2Name = u"Steady";
  record.Lighting2ModeValue = {3, 4, 5};
  record.Lighting2Speed = 0x66;
  record.Lighting2Brightness = 0x77;
  record.Lighting2FixedColor = 0x00123456;
  record.DPIOffOnFlag = 0x5A;
  for (std::size_t l = 0; l < kDpiLevelCount; ++l) {
    record.XYSetting[l] = static_cast<DpiStepIndex>(0xF00D + l);
    record.DPILevelIndication[l] = static_cast<ColourRef>(0x00AABBCC - l);
  }
  record.CurrentDPILevel = 0x07;
  record.AngleSnap = 0xC3;
  record.LiftDetection = 0x3C;
  return record;
}

std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ProfileFile, EveryFieldSurvivesWriteAndRead) {
  ScratchFolder folder;
  const auto original = fullyChangedRecord();
  ASSERT_TRUE(writeProfileFile(original, folder / "a.psf"));

  ProfileTable table;
  ASSERT_TRUE(readProfileFile(table, 2, folder / "a.psf", folder / "slot.psf", LanguageTable{}));
  EXPECT_EQ(*table.record(2), original);
  EXPECT_FALSE(std::filesystem::exists(folder / "slot.psf"));

  ASSERT_TRUE(writeProfileFile(*table.record(2), folder / "b.psf"));
  EXPECT_EQ(fileBytes(folder / "a.psf"), fileBytes(folder / "b.psf"));
}

TEST(ProfileFile, ReadKeepsTheMacroFieldsTheFileDoesNotCarry) {
  auto stored = fullyChangedRecord();
  ProfileRecord target;
  target.keys[1].Macro.keyIndex = 77;
  target.keys[1].Macro.loopType = 4;
  target.keys[1].Macro.loopCount = 9;
  stored.keys[1].Macro.keyIndex = 1;
  ASSERT_TRUE(parseProfile(formatProfile(stored), target));
  EXPECT_EQ(target.keys[1].Macro.keyIndex, 77u);
  EXPECT_EQ(target.keys[1].Macro.loopType, 4);
  EXPECT_EQ(target.keys[1].Macro.loopCount, 9);
  EXPECT_EQ(target.keys[1].Macro.actions, stored.keys[1].Macro.actions);
}

// The file keeps no command count; a copy read from it must still announce its real entries when
// it is uploaded, so the count comes from the actions: one entry per action that is no delay.
TEST(ProfileFile, MacroCopyGetsTheCommandCountOfItsActions) {
  ProfileRecord stored = fullyChangedRecord();
  auto& macro = stored.keys[2].Macro;
  macro.actions.fill({});
  macro.actionCount = 0;
  for (const auto action :
       {MacroAction::press(0x41), MacroAction::delay(50), MacroAction::release(0x41),
        MacroAction::delay(128), MacroAction::press(0xE0), MacroAction::delay(127)}) {
    macro.insertAction(macro.actionCount, action);
  }
  ProfileRecord target;
  target.keys[2].Macro.commandCount = 99;
  ASSERT_TRUE(parseProfile(formatProfile(stored), target));
  EXPECT_EQ(target.keys[2].Macro.commandCount, 3);
}

TEST(ProfileFile, LinesHaveTheirKeysTabsAndWidths) {
  const auto record = fullyChangedRecord();
  const Lines lines = formatProfile(record);
  ASSERT_EQ(lines.size(), kProfileFileLineCount);
  const std::pair<std::size_t, std::u16string> expected[] = {
      {0, u"[Setting]"},
      {1, u"Key0=välue=0"},
      {21, u"DPIOffOnFlagValue=5A"},
      {22, u"\tXYSetting1Value=F00D"},
      {29, u"\tXYSetting8Value=F014"},
      {30, u"\tCurrentDPILevelValue=07"},
      {31, u"\tDPILevelIndication0Valuer=CCBBAA"},
      {38, u"\tDPILevelIndication7Valuer=C5BBAA"},
      {39, u"\tAngleSnapValue=C3"},
      {40, u"\tLiftDetectionValue=3C"},
      {41, u"PollingRateName=500HZ"},
      {42, u"\tPollingRateValue=02ABCD"},
      {43, u"Lighting1Name=Wave"},
      {44, u"\tLighting1ModeValue=090807"},
      {45, u"\tLighting1OffOn=E1"},
      {46, u"\tLighting1Speed=10|11|12|13|14|15|16|17|18|19"},
      {50, u"\tLighting1Direction=F0|F1|F2|F3|F4|F5|F6|F7|F8|F9"},
      {51, u"Lighting2Name=Steady"},
      {52, u"\tLighting2ModeValue=030405"},
      {53, u"\tLighting2OffOn=01"},
      {54, u"\tLighting2Speed=66"},
      {55, u"\tLighting2Brightness=77"},
      {56, u"\tLighting2FixedColor=563412"},
      {57, u"Key0Name=Name 0 =宏"},
      {58, u"\tKey0Value=A0A1A2"},
      {59, u"\tMacroKeyIndex=4000000000"},
      {60, u"\tMacroKey0Name=Macro0"},
      {61, u"\t\tMacroActionNum=7"},
      {81, u"Key4Name=Name 4 =宏"},
  };
  for (const auto& [index, text] : expected) EXPECT_EQ(lines[index], text) << "line " << index;

  const std::u16string selected = lines[48];
  EXPECT_EQ(selected.substr(0, 26), u"\tLighting1ColorSelected=00");
  EXPECT_EQ(selected.size(), 24 + 100 * 3u);
  EXPECT_EQ(selected.substr(selected.size() - 7), u"|62|63;");
  const std::u16string colours = lines[49];
  EXPECT_EQ(colours.substr(0, 34), u"\tLighting1FixedColor=030201|060402");
  EXPECT_EQ(colours.size(), 21 + 100 * 7u);
  EXPECT_EQ(lines[62].substr(0, 12), u"\t\tAllAction=");
  EXPECT_EQ(lines[62].size(), 12 + kAllActionDigits);
  EXPECT_EQ(lines[62].substr(12, 16), u"00FF000007F80001");
}

TEST(ProfileFile, BytesAreUtf16WithMarkAndLineFeeds) {
  ScratchFolder folder;
  ASSERT_TRUE(writeProfileFile(fullyChangedRecord(), folder / "p.psf"));
  const auto bytes = fileBytes(folder / "p.psf");
  EXPECT_EQ(bytes.substr(0, 22), std::string("\xFF\xFE[\0S\0e\0t\0t\0i\0n\0g\0]\0\n\0", 22));
  EXPECT_EQ(bytes.substr(bytes.size() - 2), std::string("\n\0", 2));
  EXPECT_EQ(bytes.find(std::string("\r\0", 2)), std::string::npos);
}

TEST(ProfileFile, WriteFailureLeavesNothingBehind) {
  ScratchFolder folder;
  EXPECT_FALSE(writeProfileFile(fullyChangedRecord(), folder / "missing" / "p.psf"));
  EXPECT_FALSE(writeProfileFile(fullyChangedRecord(), {}));
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

// ---- files that break the rules ------------------------------------------------------------

struct Damage {
  const char* name;
  void (*apply)(Lines&);
};

class DamagedProfileFile : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedProfileFile, ResetsTheProfileAndRewritesItsSlotFile) {
  ScratchFolder folder;
  Lines lines = formatProfile(fullyChangedRecord());
  GetParam().apply(lines);
  CStdioFileEx::writeLines(folder / "import.psf", lines);

  const auto texts = testing::filledLanguage();
  ProfileTable table;
  table.sensorModel = {0x3325};
  *table.record(3) = fullyChangedRecord();
  EXPECT_FALSE(readProfileFile(table, 3, folder / "import.psf", folder / "slot3.psf", texts));

  ProfileRecord defaults;
  resetProfile(defaults, 3, texts, {0x3325});
  EXPECT_EQ(*table.record(3), defaults);
  const auto slot = CStdioFileEx::readLines(folder / "slot3.psf");
  ASSERT_TRUE(slot.has_value());
  EXPECT_EQ(*slot, formatProfile(defaults));
  EXPECT_EQ(fileBytes(folder / "import.psf"), CStdioFileEx::encode(lines));  // the source stays
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DamagedProfileFile,
    ::testing::Values(
        Damage{"LowerCaseHeader", [](Lines& l) { l[0] = u"[setting]"; }},
        Damage{"CarriageReturns",
               [](Lines& l) {
                 for (auto& line : l) line += u'\r';
               }},
        Damage{"ShortActionsOfKey3", [](Lines& l) { l[80].resize(12 + 2680); }},
        Damage{"LongActionsOfKey3", [](Lines& l) { l[80] += u"00"; }},
        Damage{"EndsAfterFourthKeyBlock", [](Lines& l) { l.resize(81); }},
        Damage{"EmptyLineInside", [](Lines& l) { l[45].clear(); }},
        Damage{"EmptyLineBeforeLast", [](Lines& l) { l[85].clear(); }},
        Damage{"OnlyHeader", [](Lines& l) { l.resize(1); }},
        Damage{"PairWithoutKey", [](Lines& l) { l[5] = u"=value"; }},
        Damage{"PairWithoutEquals", [](Lines& l) { l[20] = u"MotionWakeup1"; }},
        Damage{"HexLineWithoutKey", [](Lines& l) { l[25] = u"=0010"; }},
        Damage{"NameLineWithoutEquals", [](Lines& l) { l[43] = u"Lighting1Name"; }},
        Damage{"EmptyMacroKeyIndex", [](Lines& l) { l[59] = u"\tMacroKeyIndex="; }},
        Damage{"ActionCountWithoutEquals", [](Lines& l) { l[73] = u"\t\tMacroActionNum 3"; }},
        Damage{"MacroNameWithoutEquals", [](Lines& l) { l[84] = u"\tMacroKey4Name"; }}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ProfileFile, MissingFileResetsToo) {
  ScratchFolder folder;
  ProfileTable table;
  *table.record(0) = fullyChangedRecord();
  EXPECT_FALSE(readProfileFile(table, 0, folder / "none.psf", folder / "slot0.psf", {}));
  EXPECT_EQ(table.record(0)->keys[0].Value, (AssignmentCode{0x10, 0x01, 0x00}));
  EXPECT_TRUE(std::filesystem::exists(folder / "slot0.psf"));
}

// ---- files that look odd but keep to the rules ---------------------------------------------

TEST(ProfileFile, KeysAreNeverCompared) {
  Lines lines = formatProfile(fullyChangedRecord());
  lines[57] = u"Key4Name=Renamed";  // key 0's line carrying key 4's key text
  lines[59] = u"=12";               // counters accept an empty key
  lines[60] = u"=Jump=High";        // so does the macro name
  ProfileRecord record;
  ASSERT_TRUE(parseProfile(lines, record));
  EXPECT_EQ(record.keys[0].Name, u"Renamed");
  EXPECT_EQ(record.keys[0].MacroKeyIndex, 12u);
  EXPECT_EQ(record.keys[0].Macro.name, u"Jump=High");
}

TEST(ProfileFile, EmptyValuesAndLaterLinesAreAccepted) {
  Lines lines = formatProfile(fullyChangedRecord());
  lines[1] = u"ProfileName=";
  lines[41] = u"PollingRateName=";
  lines.push_back(u"anything after the last block");
  ProfileRecord record;
  ASSERT_TRUE(parseProfile(lines, record));
  EXPECT_EQ(record.pairs[0].key, u"ProfileName");
  EXPECT_EQ(record.pairs[0].value, u"");
  EXPECT_EQ(record.PollingRateName, u"");
}

TEST(ProfileFile, ZeroActionCountKeepsAllActionSlots) {
  auto stored = fullyChangedRecord();
  stored.keys[3].Macro.actionCount = 0;
  ProfileRecord record;
  ASSERT_TRUE(parseProfile(formatProfile(stored), record));
  EXPECT_EQ(record.keys[3].Macro.actionCount, 0u);
  EXPECT_EQ(record.keys[3].Macro.actions, stored.keys[3].Macro.actions);
}

struct HexCase {
  const char* name;
  std::size_t line;
  const char16_t* text;
  void (*check)(const ProfileRecord&);
};

class HexPieces : public ::testing::TestWithParam<HexCase> {};

TEST_P(HexPieces, ReadFromFixedPositions) {
  Lines lines = formatProfile(fullyChangedRecord());
  lines[GetParam().line] = GetParam().text;
  ProfileRecord record;
  ASSERT_TRUE(parseProfile(lines, record));
  GetParam().check(record);
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, HexPieces,
    ::testing::Values(
        HexCase{"LowerCase", 21, u"DPIOffOnFlagValue=ab",
                [](const ProfileRecord& r) { EXPECT_EQ(r.DPIOffOnFlag, 0xAB); }},
        HexCase{"OnlyTwoDigitsTaken", 39, u"\tAngleSnapValue=1234",
                [](const ProfileRecord& r) { EXPECT_EQ(r.AngleSnap, 0x12); }},
        HexCase{"StopsAtNonHex", 22, u"\tXYSetting1Value=1G34",
                [](const ProfileRecord& r) { EXPECT_EQ(r.XYSetting[0], 0x1); }},
        HexCase{"NoSignOrPrefix", 30, u"\tCurrentDPILevelValue=-1",
                [](const ProfileRecord& r) { EXPECT_EQ(r.CurrentDPILevel, 0); }},
        HexCase{"EmptyValue", 42, u"\tPollingRateValue=",
                [](const ProfileRecord& r) {
                  EXPECT_EQ(r.PollingRateValue, (ByteTriple{0, 0, 0}));
                }},
        HexCase{"ShortTriple", 44, u"\tLighting1ModeValue=0A0",
                [](const ProfileRecord& r) {
                  EXPECT_EQ(r.Lighting1ModeValue, (ByteTriple{10, 0, 0}));
                }},
        HexCase{"SeparatorsNotExamined", 46, u"\tLighting1Speed=01x02y03",
                [](const ProfileRecord& r) {
                  EXPECT_EQ(r.Lighting1Speed[1], 2);
                  EXPECT_EQ(r.Lighting1Speed[2], 3);
                  EXPECT_EQ(r.Lighting1Speed[3], 0);
                }},
        HexCase{"ColourIsRedGreenBlue", 31, u"\tDPILevelIndication0Valuer=112233",
                [](const ProfileRecord& r) { EXPECT_EQ(r.DPILevelIndication[0], 0x332211u); }},
        HexCase{"DecimalCounter", 61, u"\t\tMacroActionNum=12abc",
                [](const ProfileRecord& r) { EXPECT_EQ(r.keys[0].Macro.actionCount, 12u); }}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace pelorin
