#include "platform/linux/gtk_host_window.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "common/utf.h"
#include "platform/cairo/cairo_canvas.h"
#include "platform/cairo/cairo_image.h"
#include "platform/linux/gdk_virtual_key.h"
#include "platform/linux/gtk_window_system.h"

namespace pelorin {

namespace {

constexpr int kWheelStep = 120;

struct TimerTag {
  GtkWindowSystem* system;
  WindowId window;
  int timerId;
};

gboolean timerTick(gpointer data) {
  const auto* tag = static_cast<const TimerTag*>(data);
  GtkHostWindow* window = tag->system->findHost(tag->window);
  return window != nullptr && window->fireTimer(tag->timerId) ? G_SOURCE_CONTINUE : G_SOURCE_REMOVE;
}

void freeTag(gpointer data) {
  delete static_cast<TimerTag*>(data);
}

struct HoverTag {
  GtkWindowSystem* system;
  WindowId window;
};

gboolean hoverTick(gpointer data) {
  const auto* tag = static_cast<const HoverTag*>(data);
  if (GtkHostWindow* window = tag->system->findHost(tag->window)) window->fireHover();
  return G_SOURCE_REMOVE;
}

void freeHoverTag(gpointer data) {
  delete static_cast<HoverTag*>(data);
}

unsigned keyModifiers(unsigned state) {
  unsigned flags = 0;
  if (state & GDK_SHIFT_MASK) flags |= mouse_flags::kShift;
  if (state & GDK_CONTROL_MASK) flags |= mouse_flags::kControl;
  return flags;
}

unsigned mouseFlags(unsigned state) {
  unsigned flags = 0;
  if (state & GDK_BUTTON1_MASK) flags |= mouse_flags::kLeft;
  if (state & GDK_BUTTON3_MASK) flags |= mouse_flags::kRight;
  if (state & GDK_SHIFT_MASK) flags |= mouse_flags::kShift;
  if (state & GDK_CONTROL_MASK) flags |= mouse_flags::kControl;
  return flags;
}

int virtualKeyOf(const GdkEventKey& key) {
  return virtualKeyOfKeycode(key.hardware_keycode, key.group, key.keyval);
}

gboolean drawSignal(GtkWidget*, cairo_t* cr, gpointer self) {
  return static_cast<GtkHostWindow*>(self)->onDraw(cr);
}

gboolean eventSignal(GtkWidget*, GdkEvent* event, gpointer self) {
  return static_cast<GtkHostWindow*>(self)->onEvent(event);
}

gboolean configureSignal(GtkWidget*, GdkEventConfigure* event, gpointer self) {
  static_cast<GtkHostWindow*>(self)->onConfigure(event->x, event->y, event->width, event->height);
  return FALSE;
}

void commitSignal(GtkIMContext*, const char* text, gpointer self) {
  static_cast<GtkHostWindow*>(self)->onCommit(text);
}

void preeditSignal(GtkIMContext*, gpointer self) {
  static_cast<GtkHostWindow*>(self)->onPreeditChanged();
}

void realizeSignal(GtkWidget* widget, gpointer im) {
  gtk_im_context_set_client_window(GTK_IM_CONTEXT(im), gtk_widget_get_window(widget));
}

}  // namespace

GtkHostWindow::GtkHostWindow(GtkWindowSystem& system, WindowId id, const WindowSpec& params,
                             WindowClient& client)
    : system_(system), id_(id), kind_(params.kind), client_(client), frame_(params.frame) {
  const bool floating = kind_ == WindowKind::Popup || kind_ == WindowKind::Osd;
  GtkWidget* widget = gtk_window_new(floating ? GTK_WINDOW_POPUP : GTK_WINDOW_TOPLEVEL);
  widget_ = GTK_WIDGET(g_object_ref_sink(widget));
  GtkWindow* window = GTK_WINDOW(widget_);
  gtk_window_set_decorated(window, FALSE);
  gtk_widget_set_app_paintable(widget_, TRUE);
  gtk_window_set_default_size(window, std::max(frame_.width(), 1), std::max(frame_.height(), 1));
  gtk_window_move(window, frame_.left, frame_.top);
  if (GtkHostWindow* owner = system.findHost(params.owner); owner != nullptr && !floating) {
    gtk_window_set_transient_for(window, GTK_WINDOW(owner->widget_));
  }
  switch (kind_) {
    case WindowKind::Main:
      break;
    case WindowKind::Modal:
      gtk_window_set_skip_taskbar_hint(window, TRUE);
      gtk_window_set_modal(window, TRUE);
      break;
    case WindowKind::Popup:
      gtk_window_set_type_hint(window, GDK_WINDOW_TYPE_HINT_POPUP_MENU);
      gtk_window_set_keep_above(window, TRUE);
      break;
    case WindowKind::Osd:
      gtk_window_set_type_hint(window, GDK_WINDOW_TYPE_HINT_NOTIFICATION);
      gtk_window_set_keep_above(window, TRUE);
      gtk_window_set_accept_focus(window, FALSE);
      gtk_widget_set_opacity(widget_, 128.0 / 255.0);
      break;
  }
  gtk_widget_add_events(widget_,
                        GDK_POINTER_MOTION_MASK | GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK |
                            GDK_SCROLL_MASK | GDK_SMOOTH_SCROLL_MASK | GDK_LEAVE_NOTIFY_MASK |
                            GDK_ENTER_NOTIFY_MASK | GDK_KEY_PRESS_MASK | GDK_KEY_RELEASE_MASK |
                            GDK_FOCUS_CHANGE_MASK | GDK_STRUCTURE_MASK);
  g_signal_connect(widget_, "draw", G_CALLBACK(drawSignal), this);
  g_signal_connect(widget_, "event", G_CALLBACK(eventSignal), this);
  g_signal_connect(widget_, "configure-event", G_CALLBACK(configureSignal), this);
  if (!floating) {
    // Popups hold no text fields, so only ordinary windows talk to the input method.
    im_ = gtk_im_multicontext_new();
    g_signal_connect(im_, "commit", G_CALLBACK(commitSignal), this);
    g_signal_connect(im_, "preedit-changed", G_CALLBACK(preeditSignal), this);
    g_signal_connect(widget_, "realize", G_CALLBACK(realizeSignal), im_);
  }
  if (!params.title.empty()) setTitle(params.title);
  picture_.resize(frame_.width(), frame_.height());
}

GtkHostWindow::~GtkHostWindow() {
  releaseGrab();
  for (const auto& [timerId, source] : timers_) g_source_remove(source);
  if (hoverSource_ != 0) g_source_remove(hoverSource_);
  if (modalLoop_ != nullptr) g_main_loop_quit(modalLoop_);
  g_signal_handlers_disconnect_by_data(widget_, this);
  if (im_ != nullptr) {
    gtk_im_context_set_client_window(im_, nullptr);
    g_object_unref(im_);
  }
  gtk_widget_destroy(widget_);
  g_object_unref(widget_);
}

void GtkHostWindow::setFrame(const Rect& frame) {
  const bool resized = frame.width() != frame_.width() || frame.height() != frame_.height();
  frame_ = frame;
  GtkWindow* window = GTK_WINDOW(widget_);
  if (resized) {
    gtk_window_resize(window, std::max(frame.width(), 1), std::max(frame.height(), 1));
    picture_.resize(frame_.width(), frame_.height());
    gtk_widget_queue_draw(widget_);
  }
  gtk_window_move(window, frame.left, frame.top);
}

void GtkHostWindow::show(ShowMode mode) {
  GtkWindow* window = GTK_WINDOW(widget_);
  switch (mode) {
    case ShowMode::Normal:
    case ShowMode::Restore:
      minimised_ = false;
      gtk_widget_show(widget_);
      gtk_window_deiconify(window);
      invalidateAll();
      if (takesFocus()) {
        gtk_window_present(window);
        system_.activate(id_);
      }
      if (kind_ == WindowKind::Popup) grabForPopup();
      break;
    case ShowMode::Hide:
      releaseGrab();
      gtk_widget_hide(widget_);
      if (system_.activeWindow() == id_) system_.activate(kNoWindow);
      break;
    case ShowMode::Minimise:
      minimised_ = true;
      gtk_window_iconify(window);
      if (system_.activeWindow() == id_) system_.activate(kNoWindow);
      break;
  }
}

void GtkHostWindow::setKeepAbove(bool above) {
  gtk_window_set_keep_above(GTK_WINDOW(widget_), above ? TRUE : FALSE);
}

void GtkHostWindow::bringToFront() {
  gtk_window_present(GTK_WINDOW(widget_));
  if (takesFocus()) system_.activate(id_);
}

bool GtkHostWindow::isVisible() const {
  return gtk_widget_get_visible(widget_) != FALSE;
}

void GtkHostWindow::setTitle(std::u16string_view title) {
  gtk_window_set_title(GTK_WINDOW(widget_), toUtf8(title).c_str());
}

void GtkHostWindow::setIcon(const Image& icon) {
  const auto* picture = dynamic_cast<const CairoImage*>(&icon);
  if (picture == nullptr) return;
  GdkPixbuf* pixbuf =
      gdk_pixbuf_get_from_surface(picture->surface(), 0, 0, icon.width(), icon.height());
  if (pixbuf == nullptr) return;
  gtk_window_set_icon(GTK_WINDOW(widget_), pixbuf);
  g_object_unref(pixbuf);
}

void GtkHostWindow::invalidate(const Rect& rect) {
  const Rect clipped = picture_.invalidate(rect);
  if (clipped.empty()) return;
  gtk_widget_queue_draw_area(widget_, clipped.left, clipped.top, clipped.width(), clipped.height());
}

Colour GtkHostWindow::pixel(int x, int y) const {
  return picture_.pixel(x, y);
}

bool GtkHostWindow::onDraw(cairo_t* cr) {
  picture_.paint(client_, system_.fontMap());
  // The back buffer reaches the screen in one operation.
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr, picture_.surface(), 0, 0);
  cairo_paint(cr);
  return TRUE;
}

void GtkHostWindow::onConfigure(int x, int y, int width, int height) {
  const bool resized = width != frame_.width() || height != frame_.height();
  frame_ = Rect::ofSize(x, y, width, height);
  if (resized) picture_.resize(frame_.width(), frame_.height());
}

void GtkHostWindow::mouse(MouseAction action, double x, double y, unsigned state, int wheelDelta) {
  client_.onMouse(
      MouseEvent{action, static_cast<int>(x), static_cast<int>(y), mouseFlags(state), wheelDelta});
}

void GtkHostWindow::press(GdkEvent* event) {
  const GdkEventButton& button = event->button;
  const bool outside =
      button.x < 0 || button.y < 0 || button.x >= frame_.width() || button.y >= frame_.height();
  if (grabbed_ && outside) {
    // A click anywhere else while a popup holds the pointer: the popup loses its activation.
    system_.activate(kNoWindow);
    return;
  }
  // GDK reports a double click as a second press followed by a double-press event; the
  // program expects the double click in place of the second press, so doubles are told apart
  // here and GDK's own double and triple presses are dropped.
  if (event->type != GDK_BUTTON_PRESS) return;
  if (takesFocus()) system_.activate(id_);
  unsigned state = button.state;
  if (button.button == 1) state |= GDK_BUTTON1_MASK;
  if (button.button == 3) state |= GDK_BUTTON3_MASK;
  if (button.button == 1) {
    mouse(isSecondClick(button) ? MouseAction::LeftDoubleClick : MouseAction::LeftDown, button.x,
          button.y, state);
  } else if (button.button == 3) {
    mouse(MouseAction::RightDown, button.x, button.y, state);
  }
}

bool GtkHostWindow::isSecondClick(const GdkEventButton& button) {
  gint interval = 400;
  gint distance = 5;
  g_object_get(gtk_settings_get_default(), "gtk-double-click-time", &interval,
               "gtk-double-click-distance", &distance, nullptr);
  const Point at{static_cast<int>(button.x_root), static_cast<int>(button.y_root)};
  const bool second = firstClick_ && button.time - firstClick_->first <= std::uint32_t(interval) &&
                      std::abs(at.x - firstClick_->second.x) <= distance &&
                      std::abs(at.y - firstClick_->second.y) <= distance;
  // A third press starts over, as it does on the other hosts.
  if (second) {
    firstClick_.reset();
  } else {
    firstClick_ = std::make_pair(button.time, at);
  }
  return second;
}

bool GtkHostWindow::composing() const {
  if (im_ == nullptr) return false;
  gchar* preedit = nullptr;
  gtk_im_context_get_preedit_string(im_, &preedit, nullptr, nullptr);
  const bool active = preedit != nullptr && preedit[0] != '\0';
  g_free(preedit);
  return active;
}

bool GtkHostWindow::key(GdkEventKey& key) {
  const bool down = key.type == GDK_KEY_PRESS;
  // While the input method composes a word, new keys are its own; a key whose press the client
  // saw still comes up, so no key stays down for the client.
  const bool composingNow = textInput_ && composing();
  bool repeat = false;
  bool imOnly = false;
  if (down && composingNow) {
    composedKeys_.insert(key.hardware_keycode);
    imOnly = true;
  } else if (down) {
    repeat = !keysDown_.insert(key.hardware_keycode).second;
  } else if (keysDown_.erase(key.hardware_keycode) == 0) {
    imOnly = composedKeys_.erase(key.hardware_keycode) > 0 || composingNow;
  }
  if (imOnly) {
    if (textInput_) gtk_im_context_filter_keypress(im_, &key);
    return true;
  }
  // Every key reaches the client with its virtual key, the typed ones included; the text they
  // make follows through the input method only while a field takes text.
  GtkWindowSystem& system = system_;
  const WindowId self = id_;
  client_.onKey(KeyEvent{down, virtualKeyOf(key), repeat, keyModifiers(key.state)});
  GtkHostWindow* still = system.findHost(self);
  if (still != nullptr && still->textInput_ && still->im_ != nullptr) {
    gtk_im_context_filter_keypress(still->im_, &key);
  }
  return true;
}

void GtkHostWindow::setTextInput(bool enabled, const Rect& caret) {
  textInput_ = enabled;
  if (im_ == nullptr) return;
  if (enabled) {
    gtk_im_context_focus_in(im_);
    const GdkRectangle area{caret.left, caret.top, caret.width(), caret.height()};
    gtk_im_context_set_cursor_location(im_, &area);
  } else {
    gtk_im_context_reset(im_);
    gtk_im_context_focus_out(im_);
  }
}

bool GtkHostWindow::onEvent(GdkEvent* event) {
  switch (event->type) {
    case GDK_MOTION_NOTIFY:
      if (tracking_ && hoverTime_.count() > 0) trackMouse(hoverTime_);
      mouse(MouseAction::Move, event->motion.x, event->motion.y, event->motion.state);
      return true;
    case GDK_BUTTON_PRESS:
    case GDK_2BUTTON_PRESS:
      press(event);
      return true;
    case GDK_BUTTON_RELEASE:
      if (event->button.button == 1) {
        mouse(MouseAction::LeftUp, event->button.x, event->button.y,
              event->button.state & ~GDK_BUTTON1_MASK);
      } else if (event->button.button == 3) {
        mouse(MouseAction::RightUp, event->button.x, event->button.y,
              event->button.state & ~GDK_BUTTON3_MASK);
      }
      return true;
    case GDK_SCROLL: {
      const GdkEventScroll& scroll = event->scroll;
      int delta = 0;
      if (scroll.direction == GDK_SCROLL_UP) delta = kWheelStep;
      if (scroll.direction == GDK_SCROLL_DOWN) delta = -kWheelStep;
      if (scroll.direction == GDK_SCROLL_SMOOTH) {
        delta = static_cast<int>(-scroll.delta_y * kWheelStep);
      }
      if (delta != 0) mouse(MouseAction::Wheel, scroll.x, scroll.y, scroll.state, delta);
      return true;
    }
    case GDK_LEAVE_NOTIFY:
      if (tracking_ && !captured_ && event->crossing.mode == GDK_CROSSING_NORMAL) {
        tracking_ = false;
        if (hoverSource_ != 0) g_source_remove(hoverSource_);
        hoverSource_ = 0;
        client_.onMouse(MouseEvent{MouseAction::Leave, -1, -1, 0, 0});
      }
      return true;
    case GDK_KEY_PRESS:
    case GDK_KEY_RELEASE:
      return key(event->key);
    case GDK_FOCUS_CHANGE:
      if (!event->focus_change.in) {
        keysDown_.clear();
        composedKeys_.clear();
      }
      if (textInput_ && im_ != nullptr) {
        if (event->focus_change.in) {
          gtk_im_context_focus_in(im_);
        } else {
          gtk_im_context_focus_out(im_);
        }
      }
      if (!event->focus_change.in && system_.activeWindow() == id_ && !grabbed_) {
        system_.activate(kNoWindow);
      }
      return false;
    case GDK_DELETE:
      system_.post(id_, Message{msg::kClose, 0, 0, {}});
      return true;
    case GDK_GRAB_BROKEN:
      grabbed_ = false;
      if (system_.activeWindow() == id_) system_.activate(kNoWindow);
      return false;
    default:
      return false;
  }
}

void GtkHostWindow::onCommit(const char* utf8) {
  if (textInput_) client_.onText(toUtf16(utf8));
}

void GtkHostWindow::onPreeditChanged() {
  if (!textInput_) return;
  gchar* preedit = nullptr;
  gtk_im_context_get_preedit_string(im_, &preedit, nullptr, nullptr);
  const std::u16string text = toUtf16(preedit != nullptr ? preedit : "");
  g_free(preedit);
  client_.onComposition(text);
}

void GtkHostWindow::trackMouse(std::chrono::milliseconds hoverTime) {
  tracking_ = true;
  hoverTime_ = hoverTime;
  if (hoverSource_ != 0) g_source_remove(hoverSource_);
  hoverSource_ = g_timeout_add_full(G_PRIORITY_DEFAULT, static_cast<guint>(hoverTime.count()),
                                    hoverTick, new HoverTag{&system_, id_}, freeHoverTag);
}

void GtkHostWindow::fireHover() {
  hoverSource_ = 0;
  hoverTime_ = std::chrono::milliseconds{0};
  const Point cursor = system_.cursorPosition();
  if (frame_.contains(cursor)) {
    client_.onMouse(
        MouseEvent{MouseAction::Hover, cursor.x - frame_.left, cursor.y - frame_.top, 0, 0});
  }
}

void GtkHostWindow::beginMoveDrag(Point screenPosition) {
  gtk_window_begin_move_drag(GTK_WINDOW(widget_), 1, screenPosition.x, screenPosition.y,
                             gtk_get_current_event_time());
}

void GtkHostWindow::setCursor(PointerShape shape) {
  gtk_widget_realize(widget_);  // the cursor belongs to the X window, made here if not yet
  GdkCursor* cursor = gdk_cursor_new_from_name(gdk_display_get_default(),
                                               shape == PointerShape::Hand ? "pointer" : "default");
  gdk_window_set_cursor(gtk_widget_get_window(widget_), cursor);
  if (cursor != nullptr) g_object_unref(cursor);
}

void GtkHostWindow::focus() {
  if (!takesFocus()) return;
  gtk_window_present(GTK_WINDOW(widget_));
  system_.activate(id_);
}

bool GtkHostWindow::hasFocus() const {
  return system_.activeWindow() == id_;
}

void GtkHostWindow::setTimer(int timerId, std::chrono::milliseconds period) {
  killTimer(timerId);
  timers_[timerId] =
      g_timeout_add_full(G_PRIORITY_DEFAULT, static_cast<guint>(std::max<long>(period.count(), 1)),
                         timerTick, new TimerTag{&system_, id_, timerId}, freeTag);
}

void GtkHostWindow::killTimer(int timerId) {
  const auto it = timers_.find(timerId);
  if (it == timers_.end()) return;
  g_source_remove(it->second);
  timers_.erase(it);
}

bool GtkHostWindow::fireTimer(int timerId) {
  const unsigned source = timers_.contains(timerId) ? timers_[timerId] : 0;
  WindowClient& client = client_;
  GtkWindowSystem& system = system_;
  const WindowId self = id_;
  client.onTimer(timerId);
  // The handler may have stopped, restarted or destroyed; keep the source only if it is ours.
  GtkHostWindow* still = system.findHost(self);
  return still != nullptr && still->timers_.contains(timerId) && still->timers_[timerId] == source;
}

int GtkHostWindow::runModal() {
  modalResult_.reset();
  GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
  modalLoop_ = loop;
  GtkWindowSystem& system = system_;
  const WindowId self = id_;
  g_main_loop_run(loop);
  g_main_loop_unref(loop);
  GtkHostWindow* still = system.findHost(self);
  if (still == nullptr) return -1;
  still->modalLoop_ = nullptr;
  return still->modalResult_.value_or(-1);
}

void GtkHostWindow::endModal(int result) {
  modalResult_ = result;
  if (modalLoop_ != nullptr) g_main_loop_quit(modalLoop_);
}

void GtkHostWindow::grabForPopup() {
  GdkWindow* window = gtk_widget_get_window(widget_);
  if (grabbed_ || window == nullptr) return;
  GdkSeat* seat = gdk_display_get_default_seat(gdk_display_get_default());
  // Owner events: the program's own windows still get their clicks; clicks on anything else
  // arrive here, outside the popup, and end its activation.
  grabbed_ = gdk_seat_grab(seat, window, GDK_SEAT_CAPABILITY_ALL_POINTING, TRUE, nullptr, nullptr,
                           nullptr, nullptr) == GDK_GRAB_SUCCESS;
}

void GtkHostWindow::releaseGrab() {
  if (!grabbed_) return;
  grabbed_ = false;
  gdk_seat_ungrab(gdk_display_get_default_seat(gdk_display_get_default()));
}

}  // namespace pelorin
