// The profile follows the program in use, on the headless host with a scripted focus: the
// reports the mouse gets after each focus change, the calm, the hand-picked profile, the dialogs
// that hold a switch back, the return, and the tray's pause.
#include <sstream>

#include "app/attention_dlg.h"
#include "main_window_fixture.h"
#include "profile/profile_file.h"
#include "profile/program_rules.h"

namespace pelorin::testing {
namespace {

using Commands = std::vector<std::string>;

const ProgramIdentity kXlogo{u"/usr/bin/xlogo", u"xlogo"};
const ProgramIdentity kGame{u"/opt/Spiele Ärger/xeyes", u"xeyes"};
const ProgramIdentity kTerminal{u"/usr/bin/xterm", u"xterm"};

// The polling rate tells the profiles apart on the wire: profile 0 at 1000 Hz (01), profile 1
// at 125 Hz (08) linked to xlogo by name, profile 2 at 250 Hz (04) linked to a path, profile 3
// at 500 Hz (02) linked to nothing.
class AutoSwitchTest : public MainWindowTest {
 protected:
  void startLinked(FocusSource::Reach reach = FocusSource::Reach::FocusedWindow) {
    desktop.setFocusReach(reach);
    start(1.0f, [](AppData& d) {
      d.config.setShowList(ShowList{5, {0, 1, 2, 3, 4}});
      d.config.setCurrentProfile(0);
      const std::uint8_t rates[] = {3, 0, 1, 2, 3};
      for (std::size_t p = 0; p < kProfileCount; ++p) {
        d.profiles.record(p)->PollingRateValue = {rates[p], 0, 0};
      }
      setProgramLink(*d.profiles.record(1), 0, u"xlogo");
      setProgramLink(*d.profiles.record(2), 1, kGame.path);
      setProgramLink(*d.profiles.record(4), 2, u"xlogo");  // later in slot order: never wins
    });
    advance(40);
    sent.clear();
    ASSERT_NE(desktop.focusSource(), nullptr);
  }
  void focus(const ProgramIdentity& program) { desktop.focusSource()->report({program}); }
  // What reached the mouse after ms of virtual time, and the current profile then.
  std::pair<Commands, int> after(int ms) {
    advance(ms);
    Commands out = commandsOf(sent);
    sent.clear();
    return {out, data->config.currentProfile()};
  }
  std::u16string osdLine() const {
    const COSDDialog* osd = window->onScreenDisplay();
    return osd == nullptr ? u"" : osd->texts().level;
  }
  std::u16string nameOf(int profile) const { return data->profiles.record(profile)->pairValue(0); }
};

using Seen = std::pair<Commands, int>;

TEST_F(AutoSwitchTest, FollowsTheFocusAfterTheCalmAndReturns) {
  startLinked();
  focus(kXlogo);
  EXPECT_EQ(after(490), (Seen{{}, 0})) << "within the calm nothing switches";
  EXPECT_EQ(after(60), (Seen{{"07 01: 08"}, 1}));
  EXPECT_EQ(osdLine(), nameOf(1));
  focus(kGame);
  EXPECT_EQ(after(550), (Seen{{"07 01: 04"}, 2}));
  EXPECT_EQ(osdLine(), nameOf(2));
  // A short visit restarts the calm and is forgotten.
  focus(kXlogo);
  advance(300);
  focus(kGame);
  EXPECT_EQ(after(1000), (Seen{{}, 2}));
  // Leaving every linked program brings back the profile of before the first switch.
  focus(kTerminal);
  EXPECT_EQ(after(550), (Seen{{"07 01: 01"}, 0}));
  EXPECT_EQ(osdLine(), nameOf(0));
  focus(ProgramIdentity{});
  EXPECT_EQ(after(1000), (Seen{{}, 0}));
}

TEST_F(AutoSwitchTest, AHandPickedProfileStaysUntilTheFocusMovesAndIsReturnedTo) {
  startLinked();
  focus(kXlogo);
  EXPECT_EQ(after(550), (Seen{{"07 01: 08"}, 1}));
  click(310, 482 + 25 * 3);  // the fourth slot: profile 3
  EXPECT_EQ(after(40), (Seen{{"07 01: 02"}, 3}));
  focus(kXlogo);  // the same program again is no move
  EXPECT_EQ(after(1000), (Seen{{}, 3}));
  focus(kTerminal);
  EXPECT_EQ(after(1000), (Seen{{}, 3})) << "the hand-picked profile is the one to return to";
  focus(kXlogo);
  EXPECT_EQ(after(550), (Seen{{"07 01: 08"}, 1}));
  focus(kTerminal);
  EXPECT_EQ(after(550), (Seen{{"07 01: 02"}, 3}));
}

TEST_F(AutoSwitchTest, AnOpenDialogHoldsTheSwitchUntilItCloses) {
  startLinked();
  CAttentionDlg notice(*skin, u"title", u"text", u"OK");
  ASSERT_TRUE(notice.showNotice());
  settle();
  focus(kGame);
  EXPECT_EQ(after(2000), (Seen{{}, 0}));
  host.post(notice.windowId(), Message{msg::kClose, 0, 0, {}});
  settle();
  EXPECT_EQ(notice.windowId(), kNoWindow);
  EXPECT_EQ(after(40), (Seen{{"07 01: 04"}, 2}));
}

TEST_F(AutoSwitchTest, TheTrayPausesSwitchingForTheSession) {
  startLinked();
  SimTrayIcon& tray = *desktop.trayIcon();
  const std::u16string item = text(370);
  const auto caption = [&tray] {
    for (const auto& entry : tray.menu()) {
      if (entry.command == main_msg::kPauseSwitching) return entry.text;
    }
    return std::u16string(u"(missing)");
  };
  EXPECT_EQ(caption(), item);
  ASSERT_TRUE(tray.choose(main_msg::kPauseSwitching));
  settle();
  EXPECT_EQ(caption(), u"\u2713 " + item);
  focus(kXlogo);
  EXPECT_EQ(after(1000), (Seen{{}, 0}));
  ASSERT_TRUE(tray.choose(main_msg::kPauseSwitching));
  settle();
  EXPECT_EQ(caption(), item);
  EXPECT_EQ(after(40), (Seen{{"07 01: 08"}, 1})) << "resuming follows the focus at once";
}

// Where the focus cannot be seen, the first rule of a running program decides.
TEST_F(AutoSwitchTest, RunningProgramsDecideWhereTheFocusIsHidden) {
  startLinked(FocusSource::Reach::RunningPrograms);
  desktop.focusSource()->report({kTerminal, kGame, kXlogo});
  EXPECT_EQ(after(550), (Seen{{"07 01: 08"}, 1}));
  desktop.focusSource()->report({kTerminal, kGame});
  EXPECT_EQ(after(550), (Seen{{"07 01: 04"}, 2}));
  desktop.focusSource()->report({kTerminal});
  EXPECT_EQ(after(550), (Seen{{"07 01: 01"}, 0}));
}

// Profile 1's action menu, its fifth row: the dialog. Row 2's Choose lists the running
// programs by name, once each and sorted, with the file dialog last; row 1's Clear empties it.
TEST_F(AutoSwitchTest, TheProgramsDialogLinksARunningProgramAndClearsARow) {
  startLinked(FocusSource::Reach::RunningPrograms);
  SimFocusSource& source = *desktop.focusSource();
  source.setRunning({kXlogo, kTerminal, {u"/usr/local/bin/xlogo", u"xlogo"}});
  source.report({kTerminal});
  advance(600);
  sent.clear();
  const auto clickTop = [this](int x, int y) {
    SimWindow& top = *host.findSim(host.windows().back());
    host.clickLeft(top.frame().left + x + 1, top.frame().top + y + 1);
  };
  std::vector<int> heights;
  auto next = std::make_shared<std::size_t>(0);
  const std::vector<std::function<void()>> steps{
      [&] { clickTop(270, 85); },  // row 2: Choose
      [&] {
        heights.push_back(host.findSim(host.windows().back())->frame().height());
        clickTop(20, 25 + 10);  // xterm, after xlogo
      },
      [&] { clickTop(360, 50); },    // row 1: Clear
      [&] { clickTop(360, 197); }};  // OK
  host.setIdleHandler([&, next] {
    if (*next >= steps.size()) return false;
    steps[(*next)++]();
    host.runPending();
    return true;
  });
  click(310, 507, true);
  click(300 + 161 + 5, 526 - 20 + 4 * 25 + 5);
  advance(100);
  host.setIdleHandler({});
  EXPECT_EQ(*next, steps.size());
  EXPECT_EQ(heights, std::vector<int>{3 * 25}) << "xlogo, xterm and the file dialog";
  EXPECT_EQ(programLinks(*data->profiles.record(1)),
            (std::array<std::u16string, 3>{u"", u"xterm", u""}));
  ProfileTable saved;
  ASSERT_TRUE(readProfileFile(saved, 1, data->config.slotPath(1), dataDir.path() / "unused.psf",
                              data->texts));
  EXPECT_EQ(programLinks(*saved.record(1))[1], u"xterm");
  // The running xterm now links profile 1.
  EXPECT_EQ(after(600), (Seen{{"07 01: 08"}, 1}));
}

}  // namespace
}  // namespace pelorin::testing
