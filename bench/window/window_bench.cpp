// Start-up, memory, idle load and repaint of the main window on the GTK host, beside a bare GTK
// window measured the same way. One figure set per run: `window_bench pelorin|bare`.
#include <gtk/gtk.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/app_data.h"
#include "app/kestrin_dlg.h"
#include "platform/linux/glib_ui_dispatcher.h"
#include "platform/linux/gtk_window_system.h"
#include "platform/program_folder.h"
#include "platform/resource_table.h"
#include "runner/device_bus.h"
#include "skin/ui_font.h"

namespace pelorin {
namespace {

using Ticks = std::chrono::steady_clock;

double msSince(Ticks::time_point start) {
  return std::chrono::duration<double, std::milli>(Ticks::now() - start).count();
}

double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

int idleSeconds() {
  const char* text = std::getenv("BENCH_IDLE_SECONDS");
  return text != nullptr ? std::atoi(text) : 30;
}

// Runs the main loop for the idle period and prints the figures common to both windows.
void idleAndReport(const char* name, double firstFrameMs) {
  const double cpuBefore = cpuSeconds();
  const int seconds = idleSeconds();
  g_timeout_add_seconds(
      static_cast<guint>(seconds),
      [](gpointer) -> gboolean {
        gtk_main_quit();
        return FALSE;
      },
      nullptr);
  gtk_main();
  const double cpuPercent = (cpuSeconds() - cpuBefore) / seconds * 100.0;
  std::printf("%-8s first frame %6.1f ms   peak RSS %5.1f MB   idle CPU %5.2f %% over %d s\n", name,
              firstFrameMs, peakMegabytes(), cpuPercent, seconds);
}

int bare(Ticks::time_point start, int argc, char** argv) {
  gtk_init(&argc, &argv);
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_default_size(GTK_WINDOW(window), 1127, 740);
  GtkWidget* area = gtk_drawing_area_new();
  gtk_container_add(GTK_CONTAINER(window), area);
  static double firstFrame = -1;
  static Ticks::time_point started;
  started = start;
  g_signal_connect(area, "draw", G_CALLBACK(+[](GtkWidget*, cairo_t* cr, gpointer) -> gboolean {
                     cairo_set_source_rgb(cr, 0.1, 0.1, 0.12);
                     cairo_paint(cr);
                     if (firstFrame < 0) {
                       firstFrame = msSince(started);
                       gtk_main_quit();
                     }
                     return FALSE;
                   }),
                   nullptr);
  gtk_widget_show_all(window);
  gtk_main();
  idleAndReport("bare", firstFrame);
  return 0;
}

int mainWindow(Ticks::time_point start, int argc, char** argv) {
  if (!GtkWindowSystem::initialise(&argc, &argv)) return 3;
  GtkWindowSystem host;
  const auto folder = std::filesystem::temp_directory_path() / "pelorin-bench-data";
  std::string error;
  auto data = loadAppData(folder, programFolder(), 1.0, error);
  if (!data) return 1;
  DeviceBus bus(true);
  OpenDialogTable dialogs;
  SkinContext skin{host,
                   embeddedResources(),
                   programFolder(),
                   1.0f,
                   uiFont(data->font.face, data->font.height, data->font.charset),
                   dialogs};
  SteadyClock clock;
  GlibUiDispatcher ui;
  double firstFrame = -1;
  MainWindowRun run{skin, *data, bus.bus(), clock, ui, true, {}, {}, {}, nullptr, nullptr};
  run.firstPainted = [&] { firstFrame = msSince(start); };
  CKestrinDlg window(run);
  window.create(WindowKind::Main, kNoWindow);
  while (firstFrame < 0) gtk_main_iteration();
  idleAndReport("pelorin", firstFrame);

  // A full repaint at scale 1 into an image of the window's size.
  auto image = host.graphics().createImage(window.size().width, window.size().height);
  const Rect all{0, 0, window.size().width, window.size().height};
  constexpr int kRepaints = 200;
  const auto repaintStart = Ticks::now();
  for (int i = 0; i < kRepaints; ++i) window.onPaint(*host.graphics().paintOn(*image), all);
  std::printf("pelorin full repaint at scale 1: %.2f ms\n", msSince(repaintStart) / kRepaints);
  window.exitProgram();
  return 0;
}

}  // namespace
}  // namespace pelorin

int main(int argc, char** argv) {
  const auto start = pelorin::Ticks::now();
  if (argc < 2) {
    std::fprintf(stderr, "usage: window_bench pelorin|bare\n");
    return 2;
  }
  return std::strcmp(argv[1], "bare") == 0 ? pelorin::bare(start, argc, argv)
                                           : pelorin::mainWindow(start, argc, argv);
}
