#include "platform/sim/sim_shell.h"

namespace pelorin {

bool SimShell::openAddress(std::string_view address) {
  opened_.emplace_back(address);
  return true;
}

bool SimShell::openMouseSettings() {
  if (mouseSettingsAvailable_) ++mouseSettingsOpened_;
  return mouseSettingsAvailable_;
}

// The answer stands for what the user typed, so a save gets the default extension as on a
// real desktop.
std::optional<std::filesystem::path> SimShell::pickFile(const FileDialogParams& params) {
  dialogs_.push_back(params);
  if (answers_.empty()) return std::nullopt;
  std::optional<std::filesystem::path> typed = std::move(answers_.front());
  answers_.pop_front();
  if (!typed || params.mode == FileDialogMode::Open) return typed;
  return withDefaultExtension(*typed, params.defaultExtension);
}

}  // namespace pelorin
