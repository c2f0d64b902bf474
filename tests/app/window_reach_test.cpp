// The window can always be reached: a user's request shows it whatever the mouse's link flag
// says, the login start stays in the tray until asked, a window that is to stay hidden is never
// mapped, and without a notification area the window is the way in and closing it quits.
#include "main_window_fixture.h"

namespace pelorin::testing {
namespace {

enum class StartMode { Shown, NeedPassword1, NeedPassword2, Login };
enum class Request { SecondStart, TrayDoubleClick, TrayItem };

void setNeedPassword(AppData& d, int value) {
  auto lines = d.config.format();
  for (auto& line : lines) {
    if (line.starts_with(u"NeedPassword=")) {
      line = u"NeedPassword=" + std::u16string(1, static_cast<char16_t>(u'0' + value));
    }
  }
  ASSERT_TRUE(d.config.parse(lines));
}

class WindowReach : public MainWindowTest {
 protected:
  void startIn(StartMode mode, std::uint8_t linkFlag) {
    bus->simMouse()->setStatus(SimStatus{.linkFlag = linkFlag});
    startHidden = mode == StartMode::Login;
    const int needPassword = mode == StartMode::NeedPassword1   ? 1
                             : mode == StartMode::NeedPassword2 ? 2
                                                                : 0;
    start(1.0f, [needPassword](AppData& d) { setNeedPassword(d, needPassword); });
    advance(300);
  }
  void request(Request how) {
    if (how == Request::SecondStart) post(2999);
    if (how == Request::TrayDoubleClick) desktop.trayIcon()->doubleClick();
    if (how == Request::TrayItem) {
      ASSERT_TRUE(desktop.trayIcon()->choose(2075));
    }
    settle();
  }
  bool shownNormally() { return simWindow().isVisible() && !simWindow().isMinimised(); }
  // The mouse's answer to a status request, as the poll of a shown window gets it.
  void answerWithLink(std::uint8_t linkFlag) {
    bus->simMouse()->setStatus(SimStatus{.linkFlag = linkFlag});
    window->link().requestStatus();
    advance(100);
  }
};

using ReachCase = std::tuple<StartMode, Request>;
class UserRequest : public WindowReach, public ::testing::WithParamInterface<ReachCase> {};

// The mouse asleep behind its receiver (link flag 0) is the usual case with the shipped
// start-hidden switch: every way back must still show the window, and the link flag must not
// minimise what the user asked for.
TEST_P(UserRequest, ShowsTheWindowWhateverTheLinkFlag) {
  const auto [mode, how] = GetParam();
  startIn(mode, 0);
  if (mode != StartMode::Shown) {
    EXPECT_FALSE(simWindow().isVisible());
    EXPECT_EQ(simWindow().shownCount(), 0) << "a window that is to stay hidden is never mapped";
  } else {
    click(1094, 14);
    ASSERT_FALSE(simWindow().isVisible());
  }
  request(how);
  EXPECT_TRUE(shownNormally());
  EXPECT_TRUE(window->session().windowShown());
  answerWithLink(0);
  EXPECT_TRUE(shownNormally()) << "the link flag minimised a window the user asked for";
  advance(200);
  EXPECT_TRUE(shownNormally()) << "the hide timer took back a window the user asked for";
}

INSTANTIATE_TEST_SUITE_P(
    StartsAndWays, UserRequest,
    ::testing::Combine(::testing::Values(StartMode::Shown, StartMode::NeedPassword1,
                                         StartMode::NeedPassword2, StartMode::Login),
                       ::testing::Values(Request::SecondStart, Request::TrayDoubleClick,
                                         Request::TrayItem)));

// Until the user asks, the configured start-hidden switch leaves the showing to the link: a show
// from outside is taken back, the link shows the window and, having shown it, minimises it.
TEST_F(WindowReach, StartHiddenSwitchLeavesTheShowingToTheLink) {
  startIn(StartMode::NeedPassword1, 0);
  simWindow().show(ShowMode::Normal);
  advance(200);
  EXPECT_FALSE(simWindow().isVisible());
  answerWithLink(1);
  EXPECT_TRUE(shownNormally());
  EXPECT_TRUE(window->session().status().shownByLink);
  answerWithLink(0);
  EXPECT_TRUE(simWindow().isMinimised());
}

// The login start stays in the tray even when the mouse's link asks for the window, until the
// user does; the configuration's switch is not touched.
TEST_F(WindowReach, LoginStartStaysInTheTrayWhenTheLinkAsks) {
  startIn(StartMode::Login, 1);
  answerWithLink(1);
  advance(2500);
  EXPECT_FALSE(simWindow().isVisible());
  EXPECT_FALSE(simWindow().isMinimised());
  EXPECT_EQ(simWindow().shownCount(), 0);
  EXPECT_EQ(data->config.needPassword(), 0);
  request(Request::TrayItem);
  EXPECT_TRUE(shownNormally());
}

// Without a notification area the login start shows the window (there is no other way in) and
// closing it ends the program after the pending save.
TEST_F(WindowReach, WithoutANotificationAreaTheWindowIsTheWayIn) {
  desktop.setNotificationArea(false);
  startIn(StartMode::Login, 0);
  EXPECT_FALSE(simWindow().isVisible());
  advance(2000);
  EXPECT_TRUE(shownNormally()) << "nothing else shows the way in";

  data->profiles.record(0)->pairs[0].value = u"Kept";
  click(310, 482);  // the current slot: schedules a transfer and so a save
  advance(40);
  const WindowId id = window->windowId();
  click(1094, 14);  // the close button
  EXPECT_EQ(host.find(id), nullptr) << "closing did not end the program";
  std::string error;
  const auto reloaded = loadAppData(dataDir.path(), PELORIN_BIN_DIR, 1.0, error);
  ASSERT_TRUE(reloaded);
  EXPECT_EQ(reloaded->profiles.record(0)->pairValue(0), u"Kept");
}

}  // namespace
}  // namespace pelorin::testing
