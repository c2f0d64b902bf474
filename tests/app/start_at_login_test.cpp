// Start at login: the tray menu switches the desktop's login entry on and off, and the entry's
// start keeps the window hidden in the tray as the start-hidden switch does.
#include <fstream>
#include <sstream>

#include "main_window_fixture.h"
#include "platform/linux/xdg_autostart.h"

namespace pelorin::testing {
namespace {

std::string fileText(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST_F(MainWindowTest, TrayMenuSwitchesTheLoginEntry) {
  TempDir configHome;
  XdgAutostart login(configHome.path());
  autostart = &login;
  start();
  SimTrayIcon* tray = desktop.trayIcon();
  ASSERT_NE(tray, nullptr);
  ASSERT_EQ(tray->menu().size(), 4u);
  EXPECT_EQ(tray->menu()[1].command, 2077);
  EXPECT_EQ(tray->menu()[1].text, u"Start at login");

  const auto entry = configHome.path() / "autostart" / "pelorin.desktop";
  ASSERT_TRUE(tray->choose(2077));
  settle();
  EXPECT_NE(fileText(entry).find("\nExec=pelorin --hidden\n"), std::string::npos);
  EXPECT_EQ(tray->menu()[1].text, u"\u2713 Start at login");

  ASSERT_TRUE(tray->choose(2077));
  settle();
  EXPECT_FALSE(std::filesystem::exists(entry));
  EXPECT_EQ(tray->menu()[1].text, u"Start at login");
}

// Started from the login entry with a configuration that shows the window, it stays in the tray
// until the mouse asks for it, without being minimised first.
TEST_F(MainWindowTest, LoginEntryStartsHiddenInTheTray) {
  bus->simMouse()->setStatus(SimStatus{.linkFlag = 0});
  startHidden = true;
  start(1.0f, [](AppData& d) {
    auto lines = d.config.format();
    for (auto& line : lines) {
      if (line.starts_with(u"NeedPassword=")) line = u"NeedPassword=0";
    }
    ASSERT_TRUE(d.config.parse(lines));
  });
  advance(100);
  EXPECT_FALSE(simWindow().isVisible());
  EXPECT_FALSE(simWindow().isMinimised());
  EXPECT_FALSE(window->session().windowShown());
  EXPECT_EQ(data->config.needPassword(), 0);  // the file's switch is left as it was
}

}  // namespace
}  // namespace pelorin::testing
