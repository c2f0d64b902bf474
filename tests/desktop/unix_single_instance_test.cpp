#include "platform/linux/unix_single_instance.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/linux/runtime_folder.h"
#include "platform/sim/sim_window_system.h"
#include "support/temp_dir.h"

namespace pelorin {
namespace {

using namespace std::chrono_literals;

class ActivationCount : public WindowClient {
 public:
  int activations = 0;
  void onPaint(Canvas&, const Rect&) override {}
  void onMouse(const MouseEvent&) override {}
  std::intptr_t onMessage(const Message& message) override {
    if (message.id == msg::kActivateInstance && message.wParam == 0 && message.lParam == 0) {
      ++activations;
    }
    return 0;
  }
};

class SingleInstanceTest : public ::testing::Test {
 protected:
  testing::TempDir folder;
  TaskQueue ui;
  SimWindowSystem windows;
  ActivationCount client;
  WindowId main = windows.createWindow(WindowSpec{}, client).id();

  // Runs the UI thread until the count stops changing for a while.
  int settle() {
    while (ui.waitAndRun(300ms) > 0) windows.runPending();
    windows.runPending();
    return client.activations;
  }
};

TEST_F(SingleInstanceTest, LaterStartsAreRefusedAndEachActivatesTheFirstOnce) {
  auto first = UnixSingleInstance::claim(folder.path(), "pelorin", ui);
  ASSERT_NE(first, nullptr);
  // A start during the first one's start-up, before its window exists, is kept for it.
  EXPECT_EQ(UnixSingleInstance::claim(folder.path(), "pelorin", ui), nullptr);
  EXPECT_EQ(settle(), 0);
  first->forwardTo(windows, main);
  EXPECT_EQ(settle(), 1);
  EXPECT_EQ(UnixSingleInstance::claim(folder.path(), "pelorin", ui), nullptr);
  EXPECT_EQ(UnixSingleInstance::claim(folder.path(), "pelorin", ui), nullptr);
  EXPECT_EQ(settle(), 3);
  // Another name is another program.
  EXPECT_NE(UnixSingleInstance::claim(folder.path(), "other", ui), nullptr);
}

TEST_F(SingleInstanceTest, TheLockGoesWithTheFirstInstanceAndNoRequestOutlivesIt) {
  auto first = UnixSingleInstance::claim(folder.path(), "pelorin", ui);
  first->forwardTo(windows, main);
  EXPECT_EQ(UnixSingleInstance::claim(folder.path(), "pelorin", ui), nullptr);
  first.reset();
  EXPECT_EQ(settle(), 0);  // the request read before the end is not delivered after it
  auto next = UnixSingleInstance::claim(folder.path(), "pelorin", ui);
  ASSERT_NE(next, nullptr);
  next->forwardTo(windows, main);
  EXPECT_EQ(UnixSingleInstance::claim(folder.path(), "pelorin", ui), nullptr);
  EXPECT_EQ(settle(), 1);
}

TEST_F(SingleInstanceTest, AnUnusableFolderStillStartsTheProgram) {
  EXPECT_NE(UnixSingleInstance::claim(folder.path() / "missing", "pelorin", ui), nullptr);
  EXPECT_NE(UnixSingleInstance::claim({}, "pelorin", ui), nullptr);
}

TEST(RuntimeFolder, IsXdgRuntimeDirElseAPrivateFolderUnderTmp) {
  const char* saved = std::getenv("XDG_RUNTIME_DIR");
  const std::string restore = saved != nullptr ? saved : "";
  setenv("XDG_RUNTIME_DIR", "/run/user/4321", 1);
  EXPECT_EQ(userRuntimeFolder(), std::filesystem::path("/run/user/4321"));
  setenv("XDG_RUNTIME_DIR", "relative/dir", 1);  // not a usable value
  const std::filesystem::path fallback = userRuntimeFolder();
  unsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(userRuntimeFolder(), fallback);
  EXPECT_EQ(fallback, std::filesystem::path("/tmp/pelorin-" + std::to_string(getuid())));
  struct stat info {};
  ASSERT_EQ(stat(fallback.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  if (saved != nullptr) setenv("XDG_RUNTIME_DIR", restore.c_str(), 1);
}

}  // namespace
}  // namespace pelorin
