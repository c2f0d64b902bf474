// The login entry in a temporary config home: the desktop's own "off" marks count as off, and
// switching on again replaces such an entry.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>

#include "platform/linux/xdg_autostart.h"
#include "support/temp_dir.h"

namespace pelorin {
namespace {

struct EntryCase {
  const char* name;
  const char* text;  // nullptr: no entry
  bool enabled;
};

class XdgAutostartEntry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(XdgAutostartEntry, ReadsAndSwitches) {
  testing::TempDir home;
  XdgAutostart login(home.path());
  if (GetParam().text != nullptr) {
    std::filesystem::create_directories(login.entryPath().parent_path());
    std::ofstream(login.entryPath()) << GetParam().text;
  }
  EXPECT_EQ(login.enabled(), GetParam().enabled);
  ASSERT_TRUE(login.setEnabled(true));
  EXPECT_TRUE(login.enabled());
  ASSERT_TRUE(login.setEnabled(false));
  EXPECT_FALSE(login.enabled());
  EXPECT_FALSE(std::filesystem::exists(login.entryPath()));
  EXPECT_TRUE(login.setEnabled(false));  // already off
}

INSTANTIATE_TEST_SUITE_P(
    Entries, XdgAutostartEntry,
    ::testing::Values(EntryCase{"None", nullptr, false},
                      EntryCase{"Ours", "[Desktop Entry]\nExec=pelorin --hidden\n", true},
                      EntryCase{"HiddenBySession", "[Desktop Entry]\nExec=pelorin\nHidden=true\n",
                                false},
                      EntryCase{"SwitchedOffByGnome",
                                "[Desktop Entry]\nX-GNOME-Autostart-enabled=false\n", false}),
    [](const auto& entry) { return std::string(entry.param.name); });

TEST(XdgAutostartHome, RelativeConfigHomeIsIgnored) {
  const char* saved = std::getenv("XDG_CONFIG_HOME");
  const std::string restore = saved != nullptr ? saved : "";
  ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
  EXPECT_EQ(XdgAutostart::userConfigHome(), std::filesystem::path(std::getenv("HOME")) / ".config");
  ::setenv("XDG_CONFIG_HOME", "/srv/config", 1);
  EXPECT_EQ(XdgAutostart::userConfigHome(), std::filesystem::path("/srv/config"));
  if (saved != nullptr) {
    ::setenv("XDG_CONFIG_HOME", restore.c_str(), 1);
  } else {
    ::unsetenv("XDG_CONFIG_HOME");
  }
}

}  // namespace
}  // namespace pelorin
