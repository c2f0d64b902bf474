// Start at login: the tray menu switches the desktop's login entry on and off.
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

}  // namespace
}  // namespace pelorin::testing
