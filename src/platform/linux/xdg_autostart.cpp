#include "platform/linux/xdg_autostart.h"

#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

namespace pelorin {
namespace {

constexpr const char* kEntry =
    "[Desktop Entry]\n"
    "Type=Application\n"
    "Name=Pelorin\n"
    "Comment=Keeps the mouse's settings and battery in the notification area\n"
    "Exec=pelorin --hidden\n"
    "Icon=pelorin\n"
    "Terminal=false\n"
    "X-GNOME-Autostart-enabled=true\n";

}  // namespace

std::filesystem::path XdgAutostart::userConfigHome() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME")) {
    if (std::filesystem::path(xdg).is_absolute()) return xdg;
  }
  const char* home = std::getenv("HOME");
  return home != nullptr ? std::filesystem::path(home) / ".config" : std::filesystem::path();
}

bool XdgAutostart::enabled() const {
  std::ifstream in(entryPath());
  if (!in) return false;
  for (std::string line; std::getline(in, line);) {
    if (line == "Hidden=true" || line == "X-GNOME-Autostart-enabled=false") return false;
  }
  return true;
}

bool XdgAutostart::setEnabled(bool on) {
  std::error_code error;
  if (!on) {
    std::filesystem::remove(entryPath(), error);
    return !error;
  }
  std::filesystem::create_directories(entryPath().parent_path(), error);
  const auto temporary = entryPath().string() + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!(out << kEntry) || !out.flush()) return false;
  }
  std::filesystem::rename(temporary, entryPath(), error);
  if (error) std::filesystem::remove(temporary, error);
  return enabled();
}

}  // namespace pelorin
