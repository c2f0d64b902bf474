#include "platform/linux/mouse_settings.h"

#include <gtest/gtest.h>

#include <set>

namespace pelorin {
namespace {

using Command = std::vector<std::string>;

struct SettingsCase {
  std::string desktop;
  std::set<std::string> installed;
  Command expected;
};

TEST(MouseSettings, TakesTheToolOfTheRunningDesktopWhenInstalled) {
  const std::set<std::string> everything{
      "gnome-control-center",  "kcmshell5", "kcmshell6",         "xfce4-mouse-settings",
      "mate-mouse-properties", "lxinput",   "cinnamon-settings", "lxqt-config-input",
      "budgie-control-center"};
  const std::vector<SettingsCase> cases{
      {"GNOME", everything, {"gnome-control-center", "mouse"}},
      {"ubuntu:GNOME", everything, {"gnome-control-center", "mouse"}},
      {"KDE", everything, {"kcmshell6", "kcm_mouse"}},
      {"KDE", {"kcmshell5"}, {"kcmshell5", "kcm_mouse"}},
      {"kde", {"kcmshell5"}, {"kcmshell5", "kcm_mouse"}},
      {"XFCE", everything, {"xfce4-mouse-settings"}},
      {"MATE", everything, {"mate-mouse-properties"}},
      {"X-Cinnamon", everything, {"cinnamon-settings", "mouse"}},
      {"LXDE", everything, {"lxinput"}},
      {"Budgie:GNOME", {"gnome-control-center"}, {"gnome-control-center", "mouse"}},
      // The running desktop's tool is missing: another desktop's is not offered instead.
      {"XFCE", {"gnome-control-center"}, {}},
      {"", everything, {}},
      {"Hyprland", everything, {}},
      {"GNOMEX:", everything, {}},
  };
  for (const SettingsCase& c : cases) {
    const Command got = mouseSettingsCommand(c.desktop, [&](std::string_view program) {
      return c.installed.contains(std::string(program));
    });
    EXPECT_EQ(got, c.expected) << c.desktop;
  }
}

}  // namespace
}  // namespace pelorin
