// pelorin: the window program on the GTK host.
#include <glib-unix.h>
#include <glib.h>
#include <signal.h>

#include <cstdio>
#include <vector>

#include "pelorin/window_program.h"
#include "platform/linux/display_loss.h"
#include "platform/linux/glib_ui_dispatcher.h"
#include "platform/linux/gtk_desktop.h"
#include "platform/linux/gtk_window_system.h"
#include "platform/linux/runtime_folder.h"
#include "platform/linux/unix_single_instance.h"
#include "platform/linux/xdg_autostart.h"
#include "platform/program_folder.h"
#include "profile/data_folder.h"

namespace pelorin {
namespace {

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
  GtkWindowSystem windows;
  GtkDesktop desktop(windows, ui);
  XdgAutostart autostart(XdgAutostart::userConfigHome());
  ProgramHost host{
      windows,
      ui,
      desktop,
      *instance,
      &autostart,
      shippedDataFolder(programFolder()),
      [](CAttentionDlg& notice, WindowId modalOwner) { notice.showNotice(modalOwner); }};
  return runWindowProgram(options, host, [&options](CKestrinDlg& window, DeviceBus& bus) {
    scheduleSteps(options.simSteps, bus, window.link());
    // A stop from the session, its terminal or a user saves at once, whatever dialog is open,
    // and ends the program as the tray's exit does: a logout's kill may follow soon.
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
      g_unix_signal_add(
          signal,
          [](gpointer self) -> gboolean {
            static_cast<CKestrinDlg*>(self)->endSession();
            return G_SOURCE_REMOVE;
          },
          &window);
    }
    onDisplayLost([&window] { window.saveNow(); }, kExitNoDisplay);
  });
}

}  // namespace
}  // namespace pelorin

int main(int argc, char** argv) {
  const auto options = pelorin::parseProgramOptions(argc, argv);
  if (!options) return pelorin::kExitUsage;
  return pelorin::run(*options, argc, argv);
}
