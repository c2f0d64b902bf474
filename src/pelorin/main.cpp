// pelorin: the window program on the GTK host.
#include <glib-unix.h>
#include <glib.h>
#include <signal.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "app/app_data.h"
#include "app/attention_dlg.h"
#include "app/kestrin_dlg.h"
#include "app/scale_factor.h"
#include "lang/text_ids.h"
#include "pelorin/options.h"
#include "platform/linux/glib_ui_dispatcher.h"
#include "platform/linux/gtk_desktop.h"
#include "platform/linux/gtk_window_system.h"
#include "platform/linux/runtime_folder.h"
#include "platform/linux/unix_single_instance.h"
#include "platform/linux/xdg_autostart.h"
#include "platform/program_folder.h"
#include "platform/resource_table.h"
#include "profile/data_folder.h"
#include "runner/device_bus.h"
#include "skin/ui_font.h"

namespace pelorin {
namespace {

constexpr int kExitUsage = 2;
constexpr int kExitNoDisplay = 3;
constexpr int kExitFailed = 1;

// The notices the window shows; each lives until the program ends or the user closes it.
class Notices {
 public:
  Notices(SkinContext& skin, std::u16string ok) : skin_(skin), ok_(std::move(ok)) {}
  void show(std::u16string_view title, std::u16string_view text) {
    std::erase_if(shown_, [](const auto& d) { return d->windowId() == kNoWindow; });
    shown_.push_back(
        std::make_unique<CAttentionDlg>(skin_, std::u16string(title), std::u16string(text), ok_));
    shown_.back()->showNotice();
  }

 private:
  SkinContext& skin_;
  std::u16string ok_;
  std::vector<std::unique_ptr<CAttentionDlg>> shown_;
};

struct StepRun {
  DeviceBus* bus;
  DeviceLink* link;
  SimStep step;
};

void scheduleSteps(const std::vector<SimStep>& steps, DeviceBus& bus, DeviceLink& link) {
  for (const auto& step : steps) {
    auto* run = new StepRun{&bus, &link, step};
    g_timeout_add_full(
        G_PRIORITY_DEFAULT, static_cast<guint>(step.atMs),
        [](gpointer data) -> gboolean {
          auto* r = static_cast<StepRun*>(data);
          r->bus->runStep(r->step, *r->link);
          return G_SOURCE_REMOVE;
        },
        run, [](gpointer data) { delete static_cast<StepRun*>(data); });
  }
}

int run(const ProgramOptions& options, int argc, char** argv) {
  // A later start only asks the running one to show itself, before it opens anything.
  GlibUiDispatcher ui;
  auto instance = UnixSingleInstance::claim(userRuntimeFolder(), "pelorin", ui);
  if (!instance) return 0;
  if (!GtkWindowSystem::initialise(&argc, &argv)) {
    std::fprintf(stderr, "pelorin: no display is available; pelorinctl works without one\n");
    return kExitNoDisplay;
  }
  GtkWindowSystem host;
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
                   shippedDataFolder(programFolder()),
                   static_cast<float>(scale),
                   uiFont(data->font.face, data->font.height, data->font.charset),
                   dialogs};
  Notices notices(skin, data->texts[text_id::kOk]);
  SteadyClock clock;
  GtkDesktop desktop(host, ui);
  MainWindowRun windowRun{skin, *data, bus.bus(), clock,   ui,     options.simulate,
                          {},   {},    {},        nullptr, nullptr};
  if (options.trace) windowRun.trace = printTrace;
  windowRun.desktop = &desktop;
  windowRun.instance = instance.get();
  XdgAutostart autostart(XdgAutostart::userConfigHome());
  windowRun.autostart = &autostart;
  windowRun.startHidden = options.hidden;
  windowRun.notice = [&notices](std::u16string_view title, std::u16string_view text) {
    notices.show(title, text);
  };
  CKestrinDlg window(windowRun);
  scheduleSteps(options.simSteps, bus, window.link());
  // A polite stop from the session or a terminal ends the program as the tray's exit does.
  for (int signal : {SIGTERM, SIGINT}) {
    g_unix_signal_add(
        signal,
        [](gpointer self) -> gboolean {
          static_cast<CKestrinDlg*>(self)->exitProgram();
          return G_SOURCE_REMOVE;
        },
        &window);
  }
  window.doModal(WindowKind::Main, kNoWindow);
  return 0;
}

}  // namespace
}  // namespace pelorin

int main(int argc, char** argv) {
  const auto options = pelorin::parseProgramOptions(argc, argv);
  if (!options) return pelorin::kExitUsage;
  return pelorin::run(*options, argc, argv);
}
