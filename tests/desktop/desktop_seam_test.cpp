// The headless desktop: the key-hook message, the notification icon's messages, the scripted
// file dialogs and the default extension.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_window_system.h"

namespace pelorin {
namespace {

class MessageLog : public WindowClient {
 public:
  std::vector<Message> received;
  void onPaint(Canvas&, const Rect&) override {}
  void onMouse(const MouseEvent&) override {}
  std::intptr_t onMessage(const Message& message) override {
    received.push_back(message);
    return 0;
  }
  std::vector<std::pair<std::intptr_t, std::intptr_t>> words(unsigned id) const {
    std::vector<std::pair<std::intptr_t, std::intptr_t>> result;
    for (const Message& m : received) {
      if (m.id == id) result.emplace_back(m.wParam, m.lParam);
    }
    return result;
  }
};

struct HookCase {
  HookKey key;
  std::intptr_t wParam;
  std::intptr_t lParam;
};

class HookKeyEncoding : public ::testing::TestWithParam<HookCase> {};

TEST_P(HookKeyEncoding, PutsTheReleaseInBit31AndTheStampInTheLow31Bits) {
  const Message m = hookKeyMessage(GetParam().key);
  EXPECT_EQ(m.id, 0x401u);
  EXPECT_EQ(m.wParam, GetParam().wParam);
  EXPECT_EQ(m.lParam, GetParam().lParam);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, HookKeyEncoding,
    ::testing::Values(HookCase{{0x41, false, 0}, 0x41, 0},
                      HookCase{{0x41, true, 0}, 0x41, 0x80000000},
                      HookCase{{0x41, false, 0x7FFFFFFF}, 0x41, 0x7FFFFFFF},
                      HookCase{{0x41, true, 0x7FFFFFFF}, 0x41, 0xFFFFFFFF},
                      // The stamp wraps at 2^31: the next millisecond reads 0 again.
                      HookCase{{0x41, false, 0x80000000}, 0x41, 0},
                      HookCase{{0x41, false, 0x80000001}, 0x41, 1},
                      HookCase{{0x41, true, 0xFFFFFFFF}, 0x41, 0xFFFFFFFF},
                      HookCase{{0x1A0, false, 9}, 0xA0, 9}));

class SimDesktopTest : public ::testing::Test {
 protected:
  SimWindowSystem windows;
  SimDesktop desktop{windows};
  MessageLog mainLog;
  MessageLog dialogLog;
  WindowId main = windows.createWindow(WindowSpec{}, mainLog).id();
  WindowId dialog =
      windows.createWindow(WindowSpec{WindowKind::Modal, {}, kNoWindow, {}}, dialogLog).id();
};

TEST_F(SimDesktopTest, HookDeliversOnlyBetweenStartAndStopToItsTarget) {
  std::unique_ptr<KeyboardHook> hook = desktop.createKeyboardHook();
  SimKeyboardHook& keys = *desktop.keyboardHook();
  keys.inject({0x41, false, 1});  // not started
  EXPECT_TRUE(hook->start(dialog));
  keys.inject({0x41, false, 10});
  keys.inject({0x41, false, 40});  // a held key's repeat is passed on
  keys.inject({0x41, true, 70});
  EXPECT_TRUE(hook->start(main));  // moves to the other window
  keys.inject({0x10, false, 80});
  hook->stop();
  keys.inject({0x10, true, 90});
  hook->stop();  // harmless twice
  EXPECT_FALSE(hook->start(kNoWindow));
  keys.inject({0x11, false, 95});

  using Words = std::vector<std::pair<std::intptr_t, std::intptr_t>>;
  EXPECT_EQ(dialogLog.words(msg::kHookKey), (Words{{0x41, 10}, {0x41, 40}, {0x41, 0x80000046}}));
  EXPECT_EQ(mainLog.words(msg::kHookKey), (Words{{0x10, 80}}));
  EXPECT_FALSE(hook->running());
}

TEST_F(SimDesktopTest, TrayIconPostsItsCallbackAndTheCommandsOfItsMenu) {
  const TrayIconParams params{main,       1056,    128,
                              u"Pelorin", nullptr, {{2075, u"Restore"}, {0, u""}, {2076, u"Exit"}}};
  std::unique_ptr<TrayIcon> tray = desktop.addTrayIcon(params);
  SimTrayIcon& icon = *desktop.trayIcon();
  icon.doubleClick();
  EXPECT_TRUE(icon.choose(2076));
  EXPECT_FALSE(icon.choose(0));     // the separator
  EXPECT_FALSE(icon.choose(2077));  // no such item
  tray->setMenu({{2080, u"Open"}});
  EXPECT_FALSE(icon.choose(2075));
  EXPECT_TRUE(icon.choose(2080));
  windows.runPending();

  using Words = std::vector<std::pair<std::intptr_t, std::intptr_t>>;
  EXPECT_EQ(mainLog.words(1056), (Words{{128, 0x203}}));
  EXPECT_EQ(mainLog.words(msg::kCommand), (Words{{2076, 0}, {2080, 0}}));
}

TEST_F(SimDesktopTest, FileDialogsTakeTheScriptedAnswersAndSavesGetTheDefaultExtension) {
  SimShell& shell = desktop.simShell();
  shell.answerNextDialog("/home/u/slot");
  shell.answerNextDialog("/home/u/slot");
  shell.answerNextDialog("/home/u/keep.PSF");
  shell.answerNextDialog(std::nullopt);
  FileDialogParams save{
      FileDialogMode::Save, main, u"Export", {{u"Profile", {u"psf"}}}, u"psf", {}, {}};
  FileDialogParams open = save;
  open.mode = FileDialogMode::Open;

  EXPECT_EQ(desktop.shell().pickFile(save), std::filesystem::path("/home/u/slot.psf"));
  EXPECT_EQ(desktop.shell().pickFile(open), std::filesystem::path("/home/u/slot"));
  EXPECT_EQ(desktop.shell().pickFile(save), std::filesystem::path("/home/u/keep.PSF"));
  EXPECT_EQ(desktop.shell().pickFile(save), std::nullopt);  // cancelled
  EXPECT_EQ(desktop.shell().pickFile(save), std::nullopt);  // no answer left
  ASSERT_EQ(shell.dialogs().size(), 5u);
  EXPECT_EQ(shell.dialogs()[0].title, u"Export");
}

TEST(DefaultExtension, IsAddedOnlyToANameWithoutOne) {
  const std::vector<std::tuple<std::string, std::u16string, std::string>> cases{
      {"/d/macros", u"mkf", "/d/macros.mkf"},
      {"/d/macros.mkf", u"mkf", "/d/macros.mkf"},
      {"/d/old.txt", u"mbf", "/d/old.txt"},
      {"/d.x/name", u"psf", "/d.x/name.psf"},
      {"/d/name", u"", "/d/name"},
      {"/d/", u"psf", "/d/"},
  };
  for (const auto& [chosen, extension, expected] : cases) {
    EXPECT_EQ(withDefaultExtension(chosen, extension), std::filesystem::path(expected)) << chosen;
  }
}

}  // namespace
}  // namespace pelorin
