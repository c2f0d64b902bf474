#pragma once
// The shell on a Linux desktop: GIO's default handlers, the desktop's settings tool and the
// native file chooser (a portal where the desktop offers one).
#include "platform/shell.h"

struct _GtkFileChooserNative;

namespace pelorin {

class GtkWindowSystem;

class GtkShell final : public Shell {
 public:
  explicit GtkShell(GtkWindowSystem& windows) : windows_(windows) {}

  bool openAddress(std::string_view address) override;
  bool openMouseSettings() override;
  std::optional<std::filesystem::path> pickFile(const FileDialogParams& params) override;
  void cancelFileDialog() override;

 private:
  GtkWindowSystem& windows_;
  // The chooser while its loop runs.
  _GtkFileChooserNative* open_ = nullptr;
};

}  // namespace pelorin
