#pragma once
// The window program's run, the same on every host: the data folder, the device bus, the skin
// and the main window. Each host's main() brings its window system and desktop.
#include <filesystem>
#include <functional>

#include "app/attention_dlg.h"
#include "app/kestrin_dlg.h"
#include "pelorin/options.h"
#include "runner/device_bus.h"

namespace pelorin {

inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitNoDisplay = 3;

// What a host gives the run; it outlives it.
struct ProgramHost {
  WindowSystem& windows;
  UiDispatcher& ui;
  Desktop& desktop;
  SingleInstance& instance;
  Autostart* autostart;  // the tray's start-at-login item is left out without one
  std::filesystem::path skinFolder;
  // Opens a notice, modal over modalOwner when that is a window; the hosts differ in the kind of
  // window it may be.
  void (*openNotice)(CAttentionDlg& notice, WindowId modalOwner);
};

// Runs the main window until the program ends and returns the exit code. beforeLoop is given the
// window and the bus once the window exists (the simulated script, the host's stop signals).
int runWindowProgram(const ProgramOptions& options, ProgramHost& host,
                     const std::function<void(CKestrinDlg&, DeviceBus&)>& beforeLoop);

}  // namespace pelorin
