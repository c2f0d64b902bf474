#pragma once
// The shell of Windows: ShellExecuteW for addresses and files, the control panel's mouse
// settings, and the common file dialogs.
#include "platform/shell.h"

namespace pelorin {

class Win32WindowSystem;

class Win32Shell final : public Shell {
 public:
  // The command line that opens the system's mouse settings on their third tab.
  static constexpr const char* kMouseSettings =
      "rundll32.exe shell32.dll,Control_RunDLL main.cpl,,2";

  explicit Win32Shell(Win32WindowSystem& windows) : windows_(windows) {}

  bool openAddress(std::string_view address) override;
  bool openMouseSettings() override;
  std::optional<std::filesystem::path> pickFile(const FileDialogParams& params) override;

 private:
  Win32WindowSystem& windows_;
};

// The filter list of the common dialogs: name, NUL, patterns joined by ';', NUL, ..., NUL.
std::u16string dialogFilter(const std::vector<FileFilter>& filters);

}  // namespace pelorin
