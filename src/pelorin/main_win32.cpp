// pelorin.exe: the window program on the Win32 host.
#include <windows.h>

#include <cstdio>
#include <map>

#include "common/utf8_arguments.h"
#include "pelorin/window_program.h"
#include "platform/program_folder.h"
#include "platform/win32/gdiplus_session.h"
#include "platform/win32/win32_console.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_single_instance.h"
#include "platform/win32/win32_ui_dispatcher.h"
#include "platform/win32/win32_window_system.h"
#include "runner/device_bus.h"

namespace pelorin {
namespace {

// The simulated event script, run by thread timers of the window thread.
struct StepRun {
  DeviceBus* bus;
  DeviceLink* link;
  SimStep step;
};
std::map<UINT_PTR, StepRun> scheduledSteps;

void CALLBACK runStep(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  const auto found = scheduledSteps.find(timer);
  if (found == scheduledSteps.end()) return;
  const StepRun run = found->second;
  scheduledSteps.erase(found);
  run.bus->runStep(run.step, *run.link);
}

void scheduleSteps(const std::vector<SimStep>& steps, DeviceBus& bus, DeviceLink& link) {
  for (const auto& step : steps) {
    const UINT_PTR timer = ::SetTimer(nullptr, 0, static_cast<UINT>(step.atMs), runStep);
    if (timer != 0) scheduledSteps[timer] = StepRun{&bus, &link, step};
  }
}

int run(const ProgramOptions& options) {
  // A later start only asks the running one to show itself, before it opens anything.
  auto instance = Win32SingleInstance::claim();
  if (!instance) return 0;
  const GdiplusSession gdiplus;
  Win32UiDispatcher ui;
  Win32WindowSystem windows;
  Win32Desktop desktop(windows);
  // A notice of the main window's kind would carry its class, which a later start looks for.
  ProgramHost host{windows,
                   ui,
                   desktop,
                   *instance,
                   nullptr,
                   programFolder(),
                   [](CAttentionDlg& notice, WindowId modalOwner) {
                     notice.create(WindowKind::Modal, modalOwner);
                   }};
  return runWindowProgram(options, host, [&options](CKestrinDlg& window, DeviceBus& bus) {
    scheduleSteps(options.simSteps, bus, window.link());
  });
}

}  // namespace
}  // namespace pelorin

int main(int argc, char** argv) {
  pelorin::attachParentConsole();
  pelorin::Utf8Arguments arguments(argc, argv);
  const auto options = pelorin::parseProgramOptions(arguments.count(), arguments.values());
  if (!options) return pelorin::kExitUsage;
  return pelorin::run(*options);
}
