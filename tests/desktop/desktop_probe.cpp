// The desktop seam on the GTK host, one part at a time, for the display tests. It reports what
// reaches its window on stdout, one event a line, so the driver script can wait for each step.
//   desktop_probe tray               a notification icon; a double click turns it green, the
//                                    restore item blue, the exit item ends the probe
//   desktop_probe shell WHAT [ARG]   save FOLDER | open FOLDER: a file dialog, then what it
//                                    gave; address ADDRESS | mouse: what the shell did
//   desktop_probe watcher            a StatusNotifierWatcher on the session bus that reports
//                                    each item registered with it
//   desktop_probe instance FOLDER    a single-instance start (exit 3 when refused)
//   desktop_probe hook [own]         a window that starts the keyboard hook on itself, heeding
//                                    only its own keys with "own"
#include <cairo.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "platform/cairo/cairo_image.h"
#include "platform/keyboard_hook.h"
#include "platform/linux/glib_ui_dispatcher.h"
#include "platform/linux/gtk_host_window.h"
#include "platform/linux/gtk_shell.h"
#include "platform/linux/gtk_tray_icon.h"
#include "platform/linux/gtk_window_system.h"
#include "platform/linux/unix_single_instance.h"
#include "platform/linux/x11_keyboard_hook.h"

namespace pelorin {
namespace {

constexpr int kRefused = 3;
constexpr unsigned kTrayCallback = 1056;
constexpr int kRestore = 2075;
constexpr int kExit = 2076;

void report(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

std::unique_ptr<Image> squareIcon(double red, double green, double blue) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 22, 22);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, red, green, blue);
  cairo_paint(cr);
  cairo_destroy(cr);
  return std::make_unique<CairoImage>(surface);
}

class ProbeWindow : public WindowClient {
 public:
  std::function<void(const Message&)> onAny;
  void onPaint(Canvas& canvas, const Rect& dirty) override { canvas.fillRect(dirty, 0x404040); }
  void onMouse(const MouseEvent&) override {}
  void onKey(const KeyEvent& key) override {
    report("window key " + std::to_string(key.virtualKey) + (key.down ? " down" : " up"));
  }
  std::intptr_t onMessage(const Message& m) override {
    if (m.id == msg::kHookKey) {
      report("key " + std::to_string(m.wParam) + ((m.lParam & 0x80000000) ? " up " : " down ") +
             std::to_string(m.lParam & 0x7FFFFFFF));
    } else {
      report("message " + std::to_string(m.id) + " " + std::to_string(m.wParam) + " " +
             std::to_string(m.lParam));
    }
    if (onAny) onAny(m);
    return 0;
  }
};

Window& openWindow(GtkWindowSystem& windows, ProbeWindow& client) {
  Window& window = windows.createWindow(
      WindowSpec{WindowKind::Main, Rect::ofSize(40, 300, 200, 100), kNoWindow, u"probe"}, client);
  window.show(ShowMode::Normal);
  return window;
}

int runTray(GtkWindowSystem& windows) {
  ProbeWindow client;
  Window& main = openWindow(windows, client);
  const auto red = squareIcon(1, 0, 0);
  const TrayKind kind = desktopTrayKind();
  std::unique_ptr<TrayIcon> tray =
      createGtkTrayIcon(windows,
                        TrayIconParams{main.id(),
                                       kTrayCallback,
                                       128,
                                       u"Pelorin",
                                       red.get(),
                                       {{kRestore, u"Restore"}, {0, u""}, {kExit, u"Exit"}}},
                        kind);
  report(kind == TrayKind::XEmbed ? "tray xembed" : "tray indicator");
  GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
  client.onAny = [&](const Message& m) {
    if (m.id == kTrayCallback) {
      tray->setIcon(*squareIcon(0, 1, 0));
      report("icon green");
    }
    if (m.id == msg::kCommand && m.wParam == kRestore) {
      tray->setIcon(*squareIcon(0, 0, 1));
      report("icon blue");
    }
    if (m.id == msg::kCommand && m.wParam == kExit) g_main_loop_quit(loop);
  };
  bool shown = false;
  report("shown 0");
  // The tray comes and goes with the panel; poll, as the program would only read it.
  g_timeout_add(
      100,
      [](gpointer data) -> gboolean {
        auto& state = *static_cast<std::pair<TrayIcon*, bool*>*>(data);
        if (state.first->shown() != *state.second) {
          *state.second = !*state.second;
          report(std::string("shown ") + (*state.second ? "1" : "0"));
        }
        return G_SOURCE_CONTINUE;
      },
      new std::pair<TrayIcon*, bool*>(tray.get(), &shown));
  g_main_loop_run(loop);
  g_main_loop_unref(loop);
  report("exit");
  return 0;
}

constexpr const char* kWatcherXml =
    "<node><interface name='org.kde.StatusNotifierWatcher'>"
    "<method name='RegisterStatusNotifierItem'><arg type='s' direction='in'/></method>"
    "<method name='RegisterStatusNotifierHost'><arg type='s' direction='in'/></method>"
    "<property name='RegisteredStatusNotifierItems' type='as' access='read'/>"
    "<property name='IsStatusNotifierHostRegistered' type='b' access='read'/>"
    "<property name='ProtocolVersion' type='i' access='read'/>"
    "</interface></node>";

void watcherCall(GDBusConnection*, const gchar* sender, const gchar*, const gchar*,
                 const gchar* method, GVariant* parameters, GDBusMethodInvocation* invocation,
                 gpointer) {
  const gchar* argument = nullptr;
  g_variant_get(parameters, "(&s)", &argument);
  if (std::string_view(method) == "RegisterStatusNotifierItem") {
    report(std::string("item ") + sender + " " + argument);
  }
  g_dbus_method_invocation_return_value(invocation, nullptr);
}

GVariant* watcherProperty(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                          const gchar* name, GError**, gpointer) {
  const std::string_view property = name;
  if (property == "IsStatusNotifierHostRegistered") return g_variant_new_boolean(TRUE);
  if (property == "ProtocolVersion") return g_variant_new_int32(0);
  return g_variant_new_strv(nullptr, 0);
}

int runWatcher() {
  GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
  if (bus == nullptr) return 2;
  GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(kWatcherXml, nullptr);
  static const GDBusInterfaceVTable vtable{watcherCall, watcherProperty, nullptr, {}};
  g_dbus_connection_register_object(bus, "/StatusNotifierWatcher", node->interfaces[0], &vtable,
                                    nullptr, nullptr, nullptr);
  g_bus_own_name_on_connection(
      bus, "org.kde.StatusNotifierWatcher", G_BUS_NAME_OWNER_FLAGS_NONE,
      [](GDBusConnection*, const gchar*, gpointer) { report("watching"); }, nullptr, nullptr,
      nullptr);
  g_main_loop_run(g_main_loop_new(nullptr, FALSE));
  return 0;
}

int runShell(GtkWindowSystem& windows, std::string_view what, const char* argument) {
  ProbeWindow client;
  Window& main = openWindow(windows, client);
  GtkShell shell(windows);
  if (what == "address") {
    report(std::string("opened ") + (shell.openAddress(argument) ? "1" : "0"));
  } else if (what == "mouse") {
    report(std::string("mouse settings ") + (shell.openMouseSettings() ? "1" : "0"));
  } else {
    const bool save = what == "save";
    const FileDialogParams params{save ? FileDialogMode::Save : FileDialogMode::Open,
                                  main.id(),
                                  save ? u"Export profile" : u"Import profile",
                                  {{u"Profile (*.psf)", {u"psf"}}, {u"Macro (*.mkf)", {u"mkf"}}},
                                  u"psf",
                                  argument,
                                  save ? u"slot" : u""};
    report("dialog");
    const std::optional<std::filesystem::path> chosen = shell.pickFile(params);
    report("picked " + (chosen ? chosen->string() : std::string("nothing")));
  }
  return 0;
}

int runInstance(GtkWindowSystem& windows, std::unique_ptr<UnixSingleInstance> instance) {
  ProbeWindow client;
  Window& main = openWindow(windows, client);
  instance->forwardTo(windows, main.id());
  report("first");
  g_main_loop_run(g_main_loop_new(nullptr, FALSE));
  return 0;
}

int runHook(GtkWindowSystem& windows, GlibUiDispatcher& ui, X11KeyboardHook::Reach reach) {
  ProbeWindow client;
  Window& main = openWindow(windows, client);
  X11KeyboardHook hook(windows, ui, reach);
  hook.start(main.id());
  GdkWindow* own = gtk_widget_get_window(windows.findHost(main.id())->widget());
  report("window " + std::to_string(gdk_x11_window_get_xid(own)));
  report(hook.systemWide() ? "hook system-wide" : "hook window");
  g_main_loop_run(g_main_loop_new(nullptr, FALSE));
  return 0;
}

}  // namespace
}  // namespace pelorin

int main(int argc, char** argv) {
  using namespace pelorin;
  const std::string_view part = argc > 1 ? argv[1] : "";
  GlibUiDispatcher ui;
  // A refused start ends before it touches the display.
  std::unique_ptr<UnixSingleInstance> instance;
  if (part == "instance") {
    if (argc < 3) return 2;
    instance = UnixSingleInstance::claim(argv[2], "probe", ui);
    if (instance == nullptr) {
      report("refused");
      return kRefused;
    }
  }
  if (part == "watcher") return runWatcher();
  if (!GtkWindowSystem::initialise(&argc, &argv)) return 2;
  GtkWindowSystem windows;
  if (part == "tray") return runTray(windows);
  if (part == "instance") return runInstance(windows, std::move(instance));
  if (part == "shell" && argc > 2) return runShell(windows, argv[2], argc > 3 ? argv[3] : "");
  if (part == "hook") {
    const bool own = argc > 2 && std::string_view(argv[2]) == "own";
    return runHook(windows, ui,
                   own ? X11KeyboardHook::Reach::OwnWindow : X11KeyboardHook::Reach::Desktop);
  }
  return 2;
}
