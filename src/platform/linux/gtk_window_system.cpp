#include "platform/linux/gtk_window_system.h"

#include <gtk/gtk.h>

#include <cstdlib>

#include "platform/linux/gtk_host_window.h"

namespace pelorin {

bool GtkWindowSystem::initialise(int* argc, char*** argv) {
  // GL costs tens of megabytes and start-up time for windows that never use it.
  setenv("GDK_GL", "disable", 1);
  gdk_set_allowed_backends("x11");
  return gtk_init_check(argc, argv) != FALSE;
}

GtkWindowSystem::GtkWindowSystem() = default;

GtkWindowSystem::~GtkWindowSystem() {
  if (postSource_ != 0) g_source_remove(postSource_);
}

Window& GtkWindowSystem::createWindow(const WindowSpec& params, WindowClient& client) {
  const WindowId id = nextId_++;
  auto window = std::make_unique<GtkHostWindow>(*this, id, params, client);
  GtkHostWindow& result = *window;
  windows_.emplace(id, std::move(window));
  return result;
}

void GtkWindowSystem::destroy(WindowId id) {
  const auto it = windows_.find(id);
  if (it == windows_.end()) return;
  std::unique_ptr<GtkHostWindow> window = std::move(it->second);
  windows_.erase(it);
  if (active_ == id) active_ = kNoWindow;
  window->client().onDestroyed();
}

GtkHostWindow* GtkWindowSystem::findHost(WindowId id) {
  const auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : it->second.get();
}

Window* GtkWindowSystem::find(WindowId id) {
  return findHost(id);
}

bool GtkWindowSystem::post(WindowId target, Message message) {
  if (findHost(target) == nullptr) return false;
  posted_.push_back(Posted{target, std::move(message)});
  if (postSource_ == 0) postSource_ = g_idle_add(&GtkWindowSystem::deliverPosted, this);
  return true;
}

int GtkWindowSystem::deliverPosted(void* self) {
  auto& system = *static_cast<GtkWindowSystem*>(self);
  system.postSource_ = 0;
  // Messages posted while these are handled wait for the next round, as in a message queue.
  std::deque<Posted> batch;
  batch.swap(system.posted_);
  for (Posted& next : batch) {
    if (GtkHostWindow* window = system.findHost(next.target)) {
      window->client().onMessage(next.message);
    }
  }
  return G_SOURCE_REMOVE;
}

std::intptr_t GtkWindowSystem::send(WindowId target, const Message& message) {
  GtkHostWindow* window = findHost(target);
  return window == nullptr ? 0 : window->client().onMessage(message);
}

Point GtkWindowSystem::cursorPosition() const {
  GdkDisplay* display = gdk_display_get_default();
  GdkDevice* pointer = gdk_seat_get_pointer(gdk_display_get_default_seat(display));
  int x = 0;
  int y = 0;
  gdk_device_get_position(pointer, nullptr, &x, &y);
  return Point{x, y};
}

ScreenMetrics GtkWindowSystem::screen() const {
  GdkDisplay* display = gdk_display_get_default();
  GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
  if (monitor == nullptr) monitor = gdk_display_get_monitor(display, 0);
  GdkRectangle area{0, 0, 0, 0};
  if (monitor != nullptr) gdk_monitor_get_workarea(monitor, &area);
  const double resolution = gdk_screen_get_resolution(gdk_screen_get_default());
  // The windows are undecorated, so a maximised client fills the work area.
  return ScreenMetrics{Size{area.width, area.height},
                       Rect::ofSize(area.x, area.y, area.width, area.height),
                       resolution > 0 ? resolution / 96.0 : 1.0};
}

void GtkWindowSystem::activate(WindowId id) {
  if (id == active_) return;
  const WindowId previous = active_;
  active_ = id;
  if (GtkHostWindow* window = findHost(previous)) window->client().onDeactivate();
}

}  // namespace pelorin
