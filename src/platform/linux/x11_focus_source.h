#pragma once
// The program in use on X11. A connection and a thread of their own wait for the window
// manager's _NET_ACTIVE_WINDOW to change on the root window (no polling); the active window's
// _NET_WM_PID (or the X server's record of its client's process) names the executable through
// /proc/<pid>/exe, its class is the name where that fails. Without an EWMH window manager every
// top-level window is watched for the input focus.
#include <memory>
#include <optional>
#include <thread>

#include "platform/focus_source.h"
#include "platform/ui_dispatcher.h"

namespace pelorin {

class X11FocusSource final : public FocusSource {
 public:
  explicit X11FocusSource(UiDispatcher& ui) : ui_(ui) {}
  ~X11FocusSource() override;
  X11FocusSource(const X11FocusSource&) = delete;
  X11FocusSource& operator=(const X11FocusSource&) = delete;

  // False when the display cannot be opened.
  bool start(Report report) override;
  Reach reach() const override { return Reach::FocusedWindow; }
  std::vector<ProgramIdentity> runningPrograms() const override;

  struct Watch;

 private:
  UiDispatcher& ui_;
  std::shared_ptr<Watch> watch_;
  std::thread thread_;
};

// Where the desktop hides the focus (a Wayland session): every two seconds the running
// programs, reported when the set changes.
class ProcessScanSource final : public FocusSource {
 public:
  static constexpr unsigned kPeriodMs = 2000;
  explicit ProcessScanSource(UiDispatcher& ui) : ui_(ui) {}
  ~ProcessScanSource() override;
  ProcessScanSource(const ProcessScanSource&) = delete;
  ProcessScanSource& operator=(const ProcessScanSource&) = delete;

  bool start(Report report) override;
  Reach reach() const override { return Reach::RunningPrograms; }
  std::vector<ProgramIdentity> runningPrograms() const override;

  struct Scan;

 private:
  UiDispatcher& ui_;
  std::shared_ptr<Scan> scan_;
  std::thread thread_;
};

// The running user's programs, each executable once, in the order of their process ids.
std::vector<ProgramIdentity> runningUserPrograms();
// The executable of a process; none when it is gone or not the user's.
std::optional<ProgramIdentity> programOfProcess(int pid);

// The focus source this session allows: X11 where there is one, else the process scan.
std::unique_ptr<FocusSource> createLinuxFocusSource(UiDispatcher& ui);

}  // namespace pelorin
