#include "platform/linux/mouse_settings.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace pelorin {

namespace {

struct SettingsTool {
  std::string_view desktop;  // as XDG_CURRENT_DESKTOP names it, compared without case
  std::vector<std::string> command;
};

// Newer tools first where a desktop has had two.
const std::array<SettingsTool, 11>& tools() {
  static const std::array<SettingsTool, 11> table{{
      {"GNOME", {"gnome-control-center", "mouse"}},
      {"Unity", {"gnome-control-center", "mouse"}},
      {"Budgie", {"budgie-control-center", "mouse"}},
      {"Budgie", {"gnome-control-center", "mouse"}},
      {"KDE", {"kcmshell6", "kcm_mouse"}},
      {"KDE", {"kcmshell5", "kcm_mouse"}},
      {"XFCE", {"xfce4-mouse-settings"}},
      {"MATE", {"mate-mouse-properties"}},
      {"X-Cinnamon", {"cinnamon-settings", "mouse"}},
      {"LXQt", {"lxqt-config-input"}},
      {"LXDE", {"lxinput"}},
  }};
  return table;
}

bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::vector<std::string> mouseSettingsCommand(
    std::string_view currentDesktop, const std::function<bool(std::string_view)>& installed) {
  while (!currentDesktop.empty()) {
    const std::size_t colon = currentDesktop.find(':');
    const std::string_view name = currentDesktop.substr(0, colon);
    for (const SettingsTool& tool : tools()) {
      if (sameName(tool.desktop, name) && installed(tool.command.front())) return tool.command;
    }
    currentDesktop =
        colon == std::string_view::npos ? std::string_view{} : currentDesktop.substr(colon + 1);
  }
  return {};
}

}  // namespace pelorin
