// The Win32 window host and desktop seam on a display (Wine's virtual desktop under Xvfb).
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "platform/win32/gdiplus_session.h"
#include "platform/win32/win32_keyboard_hook.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_single_instance.h"
#include "platform/win32/win32_tray_icon.h"
#include "platform/win32/win32_window_system.h"

namespace pelorin {
namespace {

class Recorder final : public WindowClient {
 public:
  void onPaint(Canvas&, const Rect&) override {}
  void onMouse(const MouseEvent&) override {}
  std::intptr_t onMessage(const Message& message) override {
    messages.push_back(message);
    return 0;
  }
  std::vector<Message> messages;
};

// Runs the window thread's messages for a while.
void pump(std::chrono::milliseconds time) {
  const auto end = std::chrono::steady_clock::now() + time;
  while (std::chrono::steady_clock::now() < end) {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

class DesktopTest : public ::testing::Test {
 protected:
  Window& window(WindowKind kind) {
    return windows_.createWindow({kind, Rect::ofSize(50, 50, 200, 100), kNoWindow, u"Pelorin"},
                                 client_);
  }
  GdiplusSession gdiplus_;
  Win32WindowSystem windows_;
  Recorder client_;
};

void typeKey(WORD key) {
  INPUT input[2]{};
  for (auto& i : input) {
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = key;
  }
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(2, input, sizeof(INPUT));
}

TEST_F(DesktopTest, TheHookSendsEveryInjectedKeyUntilItStops) {
  Window& target = window(WindowKind::Main);
  Win32KeyboardHook hook(windows_);
  ASSERT_TRUE(hook.start(target.id()));
  EXPECT_TRUE(hook.running());
  typeKey('A');
  pump(std::chrono::milliseconds(500));
  ASSERT_EQ(client_.messages.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(client_.messages[i].id, msg::kHookKey);
    EXPECT_EQ(client_.messages[i].wParam, 'A');
    const auto word = static_cast<std::uint32_t>(client_.messages[i].lParam);
    EXPECT_EQ((word & kHookReleaseBit) != 0, i == 1);
  }
  hook.stop();
  EXPECT_FALSE(hook.running());
  typeKey('B');
  pump(std::chrono::milliseconds(300));
  EXPECT_EQ(client_.messages.size(), 2u);
}

TEST_F(DesktopTest, ASecondStartSendsOneActivationToTheFirstsMainWindow) {
  const auto first = Win32SingleInstance::claim();
  ASSERT_NE(first, nullptr);
  window(WindowKind::Main);
  EXPECT_EQ(Win32SingleInstance::claim(), nullptr);
  ASSERT_EQ(client_.messages.size(), 1u);
  EXPECT_EQ(client_.messages[0].id, msg::kActivateInstance);
  EXPECT_EQ(client_.messages[0].wParam, 0);
}

TEST_F(DesktopTest, TheTrayIconShowsAndPostsItsDoubleClick) {
  Window& target = window(WindowKind::Main);
  const auto icon = windows_.graphics().createImage(16, 16);
  TrayIconParams params{target.id(), msg::kUser + 5, 7, u"Pelorin", icon.get(), {{1, u"Exit"}}};
  Win32TrayIcon tray(windows_, params);
  EXPECT_TRUE(tray.shown());
  HWND iconWindow = ::FindWindowW(L"PelorinTray", nullptr);
  ASSERT_NE(iconWindow, nullptr);
  ::SendMessageW(iconWindow, WM_APP + 3, 7, WM_LBUTTONDBLCLK);
  ::SendMessageW(iconWindow, WM_APP + 3, 7, WM_MOUSEMOVE);
  pump(std::chrono::milliseconds(200));
  ASSERT_EQ(client_.messages.size(), 1u);
  EXPECT_EQ(client_.messages[0].id, msg::kUser + 5);
  EXPECT_EQ(client_.messages[0].wParam, 7);
  EXPECT_EQ(client_.messages[0].lParam, kTrayDoubleClick);
}

TEST(Win32Shell, FiltersAreNamePatternPairsEndedByAnEmptyString) {
  const std::u16string expected(u"Profile (*.psf)\0*.psf\0Pictures\0*.png;*.bmp\0\0", 44);
  EXPECT_EQ(dialogFilter({{u"Profile (*.psf)", {u"psf"}}, {u"Pictures", {u"png", u"bmp"}}}),
            expected);
}

}  // namespace
}  // namespace pelorin
