#include "platform/linux/x11_keyboard_hook.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/extensions/record.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <chrono>
#include <future>

#include "platform/linux/gdk_virtual_key.h"
#include "platform/linux/gtk_host_window.h"
#include "platform/linux/gtk_window_system.h"

namespace pelorin {

// Lives as long as any queued delivery: the hook may stop or go before those run. Touched only
// on the UI thread; the record thread only copies the pointer.
struct X11KeyboardHook::Session {
  GtkWindowSystem* windows;
  WindowId target;
  bool live = true;

  void deliver(unsigned keycode, bool release, unsigned long time) const {
    if (!live) return;
    const int virtualKey = virtualKeyOfKeycode(keycode, 0, 0);
    if (virtualKey == 0) return;
    windows->send(target,
                  hookKeyMessage(HookKey{virtualKey, release, static_cast<std::uint32_t>(time)}));
  }
};

namespace {

// A context that is disabled before it is enabled stays enabled for good, so start waits for
// the first data, which says the context is on.
constexpr auto kRecordStartTimeout = std::chrono::seconds(2);

struct WindowKeyHook {
  GtkWidget* widget;
  std::shared_ptr<X11KeyboardHook::Session> session;
};

struct RecordClosure {
  std::shared_ptr<X11KeyboardHook::Session> session;
  UiDispatcher* ui;
  std::promise<bool> started;  // true once the context is on, false when it never came on
  bool announced = false;
};

void recorded(XPointer closure, XRecordInterceptData* data) {
  auto& self = *reinterpret_cast<RecordClosure*>(closure);
  if (data->category == XRecordStartOfData && !self.announced) {
    self.announced = true;
    self.started.set_value(true);
  }
  if (data->category == XRecordFromServer && data->data_len * 4 >= sizeof(xEvent)) {
    const auto* event = reinterpret_cast<const xEvent*>(data->data);
    const int type = event->u.u.type & 0x7F;
    if (type == KeyPress || type == KeyRelease) {
      const unsigned keycode = event->u.u.detail;
      const unsigned long time = event->u.keyButtonPointer.time;
      self.ui->post([session = self.session, keycode, release = type == KeyRelease, time] {
        session->deliver(keycode, release, time);
      });
    }
  }
  XRecordFreeData(data);
}

// Runs for every event any widget gets, before the widget's own handlers, so the window host
// still sees each key as before. GDK has already turned core and XInput 2 events alike into
// GdkEventKey.
gboolean windowKeys(GSignalInvocationHint*, guint count, const GValue* values, gpointer data) {
  auto& hook = *static_cast<WindowKeyHook*>(data);
  if (count < 2) return TRUE;
  const auto* widget = static_cast<GtkWidget*>(g_value_get_object(&values[0]));
  const auto* event = static_cast<const GdkEvent*>(g_value_get_boxed(&values[1]));
  if (widget == hook.widget && (event->type == GDK_KEY_PRESS || event->type == GDK_KEY_RELEASE)) {
    hook.session->deliver(event->key.hardware_keycode, event->type == GDK_KEY_RELEASE,
                          event->key.time);
  }
  return TRUE;  // stay installed
}

}  // namespace

X11KeyboardHook::X11KeyboardHook(GtkWindowSystem& windows, UiDispatcher& ui, Reach reach)
    : windows_(windows), ui_(ui), reach_(reach) {}

X11KeyboardHook::~X11KeyboardHook() {
  stop();
}

bool X11KeyboardHook::running() const {
  return session_ != nullptr;
}

bool X11KeyboardHook::start(WindowId target) {
  stop();
  if (windows_.findHost(target) == nullptr) return false;
  session_ = std::make_shared<Session>(Session{&windows_, target});
  if ((reach_ == Reach::Desktop && startRecording()) || startWindowKeys(target)) return true;
  session_.reset();
  return false;
}

bool X11KeyboardHook::startRecording() {
  Display* own = gdk_x11_display_get_xdisplay(gdk_display_get_default());
  // Recording needs two connections: one to control the context, one that the context's data
  // arrives on and that blocks the thread reading it.
  control_ = XOpenDisplay(DisplayString(own));
  int opcode = 0;
  int event = 0;
  int error = 0;
  if (control_ == nullptr || XQueryExtension(control_, "RECORD", &opcode, &event, &error) == 0) {
    if (control_ != nullptr) XCloseDisplay(control_);
    control_ = nullptr;
    return false;
  }
  data_ = XOpenDisplay(DisplayString(own));
  XRecordRange* range = XRecordAllocRange();
  XRecordClientSpec clients = XRecordAllClients;
  if (data_ != nullptr && range != nullptr) {
    range->device_events.first = KeyPress;
    range->device_events.last = KeyRelease;
    context_ = XRecordCreateContext(control_, 0, &clients, 1, &range, 1);
  }
  if (range != nullptr) XFree(range);
  XSync(control_, False);
  if (context_ == 0) {
    if (data_ != nullptr) XCloseDisplay(data_);
    XCloseDisplay(control_);
    control_ = data_ = nullptr;
    return false;
  }
  std::promise<bool> started;
  std::future<bool> on = started.get_future();
  recordThread_ =
      std::thread([data = data_, context = context_,
                   closure = RecordClosure{session_, &ui_, std::move(started)}]() mutable {
        const Status enabled =
            XRecordEnableContext(data, context, recorded, reinterpret_cast<XPointer>(&closure));
        if (!closure.announced) closure.started.set_value(enabled != 0);
      });
  // Still waiting after the timeout: a slow server, the recording may yet begin.
  if (on.wait_for(kRecordStartTimeout) != std::future_status::ready || on.get()) return true;
  endRecording();
  return false;
}

void X11KeyboardHook::endRecording() {
  recordThread_.join();
  XRecordFreeContext(control_, context_);
  XCloseDisplay(data_);
  XCloseDisplay(control_);
  control_ = data_ = nullptr;
  context_ = 0;
}

bool X11KeyboardHook::startWindowKeys(WindowId target) {
  const guint signal = g_signal_lookup("event", GTK_TYPE_WIDGET);
  windowHook_ = g_signal_add_emission_hook(
      signal, 0, windowKeys, new WindowKeyHook{windows_.findHost(target)->widget(), session_},
      [](gpointer data) { delete static_cast<WindowKeyHook*>(data); });
  return windowHook_ != 0;
}

void X11KeyboardHook::stop() {
  if (session_ == nullptr) return;
  session_->live = false;
  if (recordThread_.joinable()) {
    XRecordDisableContext(control_, context_);
    XSync(control_, False);
    endRecording();
  }
  if (windowHook_ != 0) {
    g_signal_remove_emission_hook(g_signal_lookup("event", GTK_TYPE_WIDGET), windowHook_);
    windowHook_ = 0;
  }
  session_.reset();
}

}  // namespace pelorin
