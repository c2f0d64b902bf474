#pragma once
// The headless shell: remembers what was opened and answers file dialogs from a script.
#include <deque>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace pelorin {

class SimShell final : public Shell {
 public:
  bool openAddress(std::string_view address) override;
  bool openMouseSettings() override;
  // Takes the next scripted answer; a dialog without one is cancelled.
  std::optional<std::filesystem::path> pickFile(const FileDialogParams& params) override;

  // The test's side.
  void answerNextDialog(std::optional<std::filesystem::path> typed) {
    answers_.push_back(std::move(typed));
  }
  void setMouseSettingsAvailable(bool available) { mouseSettingsAvailable_ = available; }
  const std::vector<std::string>& openedAddresses() const { return opened_; }
  int mouseSettingsOpened() const { return mouseSettingsOpened_; }
  const std::vector<FileDialogParams>& dialogs() const { return dialogs_; }

 private:
  std::vector<std::string> opened_;
  std::deque<std::optional<std::filesystem::path>> answers_;
  std::vector<FileDialogParams> dialogs_;
  bool mouseSettingsAvailable_ = true;
  int mouseSettingsOpened_ = 0;
};

}  // namespace pelorin
