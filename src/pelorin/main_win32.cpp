// pelorin.exe: the window program on the Win32 host.
#include <windows.h>

#include <cstdio>
#include <map>
#include <memory>
#include <vector>

#include "app/app_data.h"
#include "app/attention_dlg.h"
#include "app/kestrin_dlg.h"
#include "app/scale_factor.h"
#include "lang/text_ids.h"
#include "pelorin/options.h"
#include "platform/clock.h"
#include "platform/program_folder.h"
#include "platform/resource_table.h"
#include "platform/win32/gdiplus_session.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_single_instance.h"
#include "platform/win32/win32_ui_dispatcher.h"
#include "platform/win32/win32_window_system.h"
#include "profile/data_folder.h"
#include "runner/device_bus.h"
#include "skin/ui_font.h"

namespace pelorin {
namespace {

constexpr int kExitUsage = 2;
constexpr int kExitFailed = 1;

// The notices the window shows; each lives until the program ends or the user closes it.
class Notices {
 public:
  Notices(SkinContext& skin, std::u16string ok) : skin_(skin), ok_(std::move(ok)) {}
  void show(std::u16string_view title, std::u16string_view text) {
    std::erase_if(shown_, [](const auto& d) { return d->windowId() == kNoWindow; });
    shown_.push_back(
        std::make_unique<CAttentionDlg>(skin_, std::u16string(title), std::u16string(text), ok_));
    shown_.back()->create(WindowKind::Modal, kNoWindow);
  }

 private:
  SkinContext& skin_;
  std::u16string ok_;
  std::vector<std::unique_ptr<CAttentionDlg>> shown_;
};

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
  Win32WindowSystem host;
  const ScreenMetrics screen = host.screen();
  const double scale = uiScaleFactor(screen.maximisedClient.width, screen.maximisedClient.height);
  std::string error;
  auto data = loadAppData(options.dataDir ? *options.dataDir : userDataFolder(), programFolder(),
                          scale, error);
  if (!data) {
    std::fprintf(stderr, "pelorin: %s\n", error.c_str());
    return kExitFailed;
  }
  DeviceBus bus(options.simulate);
  if (!bus.hasBus()) {
    std::fprintf(stderr, "pelorin: no HID backend here; use --simulate for the simulated mouse\n");
    return kExitFailed;
  }
  OpenDialogTable dialogs;
  SkinContext skin{host,
                   embeddedResources(),
                   programFolder(),
                   static_cast<float>(scale),
                   uiFont(data->font.face, data->font.height, data->font.charset),
                   dialogs};
  Notices notices(skin, data->texts[text_id::kOk]);
  SteadyClock clock;
  Win32Desktop desktop(host);
  MainWindowRun windowRun{skin, *data, bus.bus(), clock,   ui,     options.simulate,
                          {},   {},    {},        nullptr, nullptr};
  if (options.trace) windowRun.trace = printTrace;
  windowRun.desktop = &desktop;
  windowRun.instance = instance.get();
  windowRun.notice = [&notices](std::u16string_view title, std::u16string_view text) {
    notices.show(title, text);
  };
  CKestrinDlg window(windowRun);
  scheduleSteps(options.simSteps, bus, window.link());
  window.doModal(WindowKind::Main, kNoWindow);
  return 0;
}

}  // namespace
}  // namespace pelorin

int main(int argc, char** argv) {
  const auto options = pelorin::parseProgramOptions(argc, argv);
  if (!options) return pelorin::kExitUsage;
  return pelorin::run(*options);
}
