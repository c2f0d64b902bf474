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
    windows->send(target, hookKeyMessage(HookKey{virtualKey, release,
                                                 static_cast<std::uint32_t>(time)}));
  }
};

namespace {

// A context that is disabled before it is enabled stays enabled for good, so start waits for
// the first data, which says the context is on.
constexpr auto kRecordStartTimeout = std::chrono::seconds(2);

struct RecordClosure {
  std::shared_ptr<X11KeyboardHook::Session> session;
  UiDispatcher* ui;
  std::promise<void> started;
};

void recorded(XPointer closure, XRecordInterceptData* data) {
  auto& self = *reinterpret_cast<RecordClosure*>(closure);
  if (data->category == XRecordStartOfData) self.started.set_value();
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

GdkFilterReturn windowKeys(GdkXEvent* native, GdkEvent*, gpointer session) {
  const auto* event = static_cast<const XEvent*>(native);
  if (event->type == KeyPress || event->type == KeyRelease) {
    static_cast<const X11KeyboardHook::Session*>(session)->deliver(
        event->xkey.keycode, event->type == KeyRelease, event->xkey.time);
  }
  return GDK_FILTER_CONTINUE;
}

}  // namespace

X11KeyboardHook::X11KeyboardHook(GtkWindowSystem& windows, UiDispatcher& ui)
    : windows_(windows), ui_(ui) {}

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
  if (startRecording() || startWindowFilter(target)) return true;
  session_.reset();
  return false;
}

bool X11KeyboardHook::startRecording() {
  Display* own = gdk_x11_display_get_xdisplay(gdk_display_get_default());
  // Recording needs two connections: one to control the context, one that the context's data
  // arrives on and that blocks the thread reading it.
  control_ = XOpenDisplay(DisplayString(own));
  int major = 0;
  int minor = 0;
  if (control_ == nullptr || XRecordQueryVersion(control_, &major, &minor) == 0) {
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
  std::promise<void> started;
  std::future<void> on = started.get_future();
  recordThread_ = std::thread([data = data_, context = context_,
                               closure = RecordClosure{session_, &ui_, std::move(started)}]() mutable {
    XRecordEnableContext(data, context, recorded, reinterpret_cast<XPointer>(&closure));
  });
  on.wait_for(kRecordStartTimeout);
  return true;
}

bool X11KeyboardHook::startWindowFilter(WindowId target) {
  GtkWidget* widget = windows_.findHost(target)->widget();
  gtk_widget_realize(widget);
  filtered_ = GDK_WINDOW(g_object_ref(gtk_widget_get_window(widget)));
  gdk_window_add_filter(filtered_, windowKeys, session_.get());
  return true;
}

void X11KeyboardHook::stop() {
  if (session_ == nullptr) return;
  session_->live = false;
  if (recordThread_.joinable()) {
    XRecordDisableContext(control_, context_);
    XSync(control_, False);
    recordThread_.join();
    XRecordFreeContext(control_, context_);
    XCloseDisplay(data_);
    XCloseDisplay(control_);
    control_ = data_ = nullptr;
    context_ = 0;
  }
  if (filtered_ != nullptr) {
    gdk_window_remove_filter(filtered_, windowKeys, session_.get());
    g_object_unref(filtered_);
    filtered_ = nullptr;
  }
  session_.reset();
}

}  // namespace pelorin
