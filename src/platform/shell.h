#pragma once
// What the program asks of the desktop around it: the browser, the mouse settings, and the file
// dialogs. Every call runs on the UI thread; the file dialogs are modal.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window.h"

namespace pelorin {

struct FileFilter {
  std::u16string name;                     // as shown, e.g. "Profile (*.psf)"
  std::vector<std::u16string> extensions;  // without the dot, e.g. "psf"
};

enum class FileDialogMode : std::uint8_t { Open, Save };

struct FileDialogParams {
  FileDialogMode mode = FileDialogMode::Open;
  WindowId owner = kNoWindow;
  std::u16string title;
  std::vector<FileFilter> filters;
  // Added to a saved name that has none, e.g. "psf".
  std::u16string defaultExtension;
  std::filesystem::path initialFolder;
  std::u16string initialName;
};

class Shell {
 public:
  virtual ~Shell() = default;
  // A web address or a local file, shown by the user's default program; false when none starts.
  virtual bool openAddress(std::string_view address) = 0;
  // The desktop's own mouse settings; false when this desktop has none the program can start.
  virtual bool openMouseSettings() = 0;
  // The chosen file, or nothing when the user cancels.
  virtual std::optional<std::filesystem::path> pickFile(const FileDialogParams& params) = 0;
  // Ends an open file dialog as cancelled, so that the program can end while one is open.
  virtual void cancelFileDialog() {}
};

// The name the user typed, with the default extension when it has none.
std::filesystem::path withDefaultExtension(std::filesystem::path chosen,
                                           std::u16string_view extension);

}  // namespace pelorin
