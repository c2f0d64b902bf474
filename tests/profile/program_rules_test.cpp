// The programs linked to the profiles: which rule recognises which program, in which order, and
// profile files with links written by hand that are read, matched and written back unchanged.
#include "profile/program_rules.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "lang/scratch_folder.h"
#include "profile/filled_language.h"
#include "profile/profile_file.h"

namespace pelorin {
namespace {

struct MatchCase {
  const char* name;
  std::u16string rule;
  ProgramIdentity program;
  ProgramNaming naming;
  bool matches;
};

class ProgramMatch : public ::testing::TestWithParam<MatchCase> {};

TEST_P(ProgramMatch, FollowsTheSystemsNaming) {
  const MatchCase& c = GetParam();
  EXPECT_EQ(programMatches(c.rule, c.program, c.naming), c.matches);
}

const ProgramIdentity kXlogo{u"/usr/bin/xlogo", u"xlogo"};
const ProgramIdentity kGame{u"/opt/My Games/Ærø/run game", u"run game"};
const ProgramIdentity kWindowsGame{u"C:\\Games\\Ærø\\Game.EXE", u"Game.EXE"};
const ProgramIdentity kClassOnly{u"", u"xeyes"};

INSTANTIATE_TEST_SUITE_P(
    Rules, ProgramMatch,
    ::testing::Values(
        MatchCase{"BareName", u"xlogo", kXlogo, kPosixNaming, true},
        MatchCase{"FullPath", u"/usr/bin/xlogo", kXlogo, kPosixNaming, true},
        MatchCase{"OtherFolder", u"/usr/local/bin/xlogo", kXlogo, kPosixNaming, false},
        MatchCase{"PartOfName", u"logo", kXlogo, kPosixNaming, false},
        MatchCase{"CaseOnLinux", u"XLogo", kXlogo, kPosixNaming, false},
        MatchCase{"SpacesAndAccents", u"/opt/My Games/Ærø/run game", kGame, kPosixNaming, true},
        MatchCase{"NameWithSpace", u"run game", kGame, kPosixNaming, true},
        MatchCase{"CaseOnWindows", u"c:/games/ærø/game.exe", kWindowsGame, kWindowsNaming, true},
        MatchCase{"NameCaseOnWindows", u"GAME.exe", kWindowsGame, kWindowsNaming, true},
        MatchCase{"BackslashIsNoSeparatorOnLinux", u"Games\\Game.EXE",
                  ProgramIdentity{u"/srv/Games\\Game.EXE", u"Games\\Game.EXE"}, kPosixNaming, true},
        MatchCase{"ClassNameWithoutPath", u"xeyes", kClassOnly, kPosixNaming, true},
        MatchCase{"PathNeedsAPath", u"/usr/bin/xeyes", kClassOnly, kPosixNaming, false},
        MatchCase{"EmptyRule", u"", ProgramIdentity{u"", u""}, kPosixNaming, false}),
    [](const auto& param) { return std::string(param.param.name); });

// A file of profile 2 with its links as a user would write them, every other line at its
// default, in the file's UTF-16 form: mark, then each character as two bytes, low first.
std::string handWrittenProfile(const std::u16string& link0, const std::u16string& link1,
                               const std::u16string& link2) {
  std::u16string text = u"[Setting]\nProfileName=Spiel\nGameFile0=" + link0 + u"\nGameFile1=" +
                        link1 + u"\nGameFile2=" + link2 +
                        u"\nDoubleClickSpeed=6\nPointerSpeed=5\nAccelerationEnable=1\n"
                        u"ScrollWheelSpeed=2\nScrollWheelPageEnable=0\nTiltSpeed=2\n"
                        u"Sensitivity_X=4\nSensitivity_Y=4\nXYSynchronous=1\nX_DPI=1\nY_DPI=1\n"
                        u"MoveLightingOnOffMode=0\nPowerDownTime=6\nLiftDetectionHeight=2\n"
                        u"KeyDebounce=12\nMotionWakeup=1\nDPIOffOnFlagValue=1F\n";
  for (char16_t level = u'1'; level <= u'8'; ++level) {
    text += u"\tXYSetting" + std::u16string(1, level) + u"Value=0010\n";
  }
  text += u"\tCurrentDPILevelValue=01\n";
  for (char16_t level = u'0'; level <= u'7'; ++level) {
    text += u"\tDPILevelIndication" + std::u16string(1, level) + u"Valuer=FF0000\n";
  }
  text +=
      u"\tAngleSnapValue=00\n\tLiftDetectionValue=02\nPollingRateName=1000HZ\n"
      u"\tPollingRateValue=030000\nLighting1Name=Wave\n\tLighting1ModeValue=010000\n"
      u"\tLighting1OffOn=01\n\tLighting1Speed=01|01|01|01|01|01|01|01|01|01\n"
      u"\tLighting1Brightness=01|01|01|03|01|01|01|01|01|01\n\tLighting1ColorSelected=";
  for (int mode = 0; mode < 10; ++mode) text += u"00|00|00|00|00|00|00|00|00|00;";
  text += u"\n\tLighting1FixedColor=";
  for (int mode = 0; mode < 10; ++mode) {
    text += u"000000|000000|000000|000000|000000|000000|000000|000000|000000|000000;";
  }
  text +=
      u"\n\tLighting1Direction=00|01|00|00|00|00|00|00|00|00\nLighting2Name=Off\n"
      u"\tLighting2ModeValue=010000\n\tLighting2OffOn=00\n\tLighting2Speed=00\n"
      u"\tLighting2Brightness=00\n\tLighting2FixedColor=000000\n";
  for (char16_t key = u'0'; key <= u'4'; ++key) {
    const std::u16string k(1, key);
    text += u"Key" + k + u"Name=Left\n\tKey" + k + u"Value=100100\n\tMacroKeyIndex=0\n\tMacroKey" +
            k + u"Name=\n\t\tMacroActionNum=0\n\t\tAllAction=" + std::u16string(2688, u'0') + u"\n";
  }
  std::string bytes = "\xFF\xFE";
  for (char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct LinkFile {
  const char* name;
  std::u16string links[3];
  ProgramIdentity focused;
  std::size_t ruleCount;
};

class LinkedProfileFile : public ::testing::TestWithParam<LinkFile> {};

TEST_P(LinkedProfileFile, IsReadMatchedAndWrittenBackUnchanged) {
  const LinkFile& c = GetParam();
  testing::ScratchFolder folder;
  const std::string bytes = handWrittenProfile(c.links[0], c.links[1], c.links[2]);
  {
    std::ofstream out(folder / "in.psf", std::ios::binary);
    out << bytes;
  }
  ProfileTable table;
  const auto texts = testing::filledLanguage();
  ASSERT_TRUE(readProfileFile(table, 2, folder / "in.psf", folder / "slot.psf", texts));
  const auto rules = programRules(table, ShowList{3, {0, 2, 1, 3, 4}});
  ASSERT_EQ(rules.size(), c.ruleCount);
  EXPECT_EQ(matchingProfile(rules, {ProgramIdentity{u"/bin/sh", u"sh"}, c.focused}, kPosixNaming),
            c.ruleCount == 0 ? std::nullopt : std::optional<int>(2));
  ASSERT_TRUE(writeProfileFile(*table.record(2), folder / "out.psf"));
  EXPECT_EQ(fileBytes(folder / "out.psf"), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Links, LinkedProfileFile,
    ::testing::Values(LinkFile{"PathsWithSpaces",
                               {u"/home/ana/Games/Star Drift/bin/star drift", u"", u"xlogo"},
                               {u"/home/ana/Games/Star Drift/bin/star drift", u"star drift"},
                               2},
                      LinkFile{"NonAscii",
                               {u"", u"/opt/ゲーム/Ærø Racer", u"Ærø Racer"},
                               {u"/usr/games/Ærø Racer", u"Ærø Racer"},
                               2},
                      LinkFile{"Empty", {u"", u"", u""}, {u"/usr/bin/xlogo", u"xlogo"}, 0}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ProgramRules, ShownSlotsInOrderThenLinksFirstMatchWins) {
  ProfileTable table;
  setProgramLink(*table.record(4), 2, u"xeyes");
  setProgramLink(*table.record(4), 0, u"xlogo");
  setProgramLink(*table.record(1), 1, u"/usr/bin/xlogo");
  setProgramLink(*table.record(3), 0, u"xlogo");  // hidden: no rule
  const auto rules = programRules(table, ShowList{3, {4, 1, 0, 3, 2}});
  EXPECT_EQ(rules, (std::vector<ProgramRule>{
                       {4, 0, u"xlogo"}, {4, 2, u"xeyes"}, {1, 1, u"/usr/bin/xlogo"}}));
  const std::vector<ProgramIdentity> running{{u"/usr/bin/xeyes", u"xeyes"}, kXlogo};
  EXPECT_EQ(matchingProfile(rules, running, kPosixNaming), 4);
  EXPECT_EQ(matchingProfile(rules, {ProgramIdentity{u"/usr/bin/xeyes", u"xeyes"}}, kPosixNaming),
            4);
  EXPECT_EQ(matchingProfile(rules, {ProgramIdentity{u"/usr/bin/xterm", u"xterm"}}, kPosixNaming),
            std::nullopt);
}

TEST(ProgramRules, AddTakesTheFirstEmptyLinkAndRemoveClearsEveryOne) {
  ProfileTable table;
  ProfileRecord& profile = *table.record(0);
  setProgramLink(profile, 1, u"b");
  EXPECT_TRUE(addProgramLink(profile, u"a"));
  EXPECT_TRUE(addProgramLink(profile, u"c"));
  EXPECT_FALSE(addProgramLink(profile, u"d"));
  EXPECT_EQ(programLinks(profile), (std::array<std::u16string, 3>{u"a", u"b", u"c"}));
  setProgramLink(*table.record(3), 2, u"b");
  EXPECT_EQ(removeProgramLinks(table, u"b"), 2);
  EXPECT_EQ(removeProgramLinks(table, u""), 0);
  EXPECT_EQ(programLinks(profile), (std::array<std::u16string, 3>{u"a", u"", u"c"}));
  EXPECT_EQ(programLinks(*table.record(3))[2], u"");
}

}  // namespace
}  // namespace pelorin
