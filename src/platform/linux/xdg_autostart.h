#pragma once
// The freedesktop.org autostart entry: "<config home>/autostart/pelorin.desktop". It starts
// "pelorin --hidden" by name, so a moved or updated program is still found. An entry the
// desktop's own session settings switched off (Hidden=true, X-GNOME-Autostart-enabled=false)
// counts as off.
#include <filesystem>

#include "platform/autostart.h"

namespace pelorin {

class XdgAutostart final : public Autostart {
 public:
  explicit XdgAutostart(std::filesystem::path configHome) : configHome_(std::move(configHome)) {}
  // $XDG_CONFIG_HOME when absolute, else ~/.config.
  static std::filesystem::path userConfigHome();

  std::filesystem::path entryPath() const { return configHome_ / "autostart" / "pelorin.desktop"; }
  bool enabled() const override;
  bool setEnabled(bool on) override;

 private:
  std::filesystem::path configHome_;
};

}  // namespace pelorin
