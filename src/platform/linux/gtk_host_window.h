#pragma once
// One top-level GTK window and the translation of its events for the program's client.
#include <cairo.h>

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "platform/cairo/back_buffer.h"
#include "platform/window.h"
#include "platform/window_client.h"
#include "platform/window_system.h"

typedef struct _GtkWidget GtkWidget;
typedef struct _GtkIMContext GtkIMContext;
typedef union _GdkEvent GdkEvent;
typedef struct _GMainLoop GMainLoop;
typedef struct _GdkEventButton GdkEventButton;
typedef struct _GdkEventKey GdkEventKey;

namespace pelorin {

class GtkWindowSystem;

class GtkHostWindow final : public Window {
 public:
  GtkHostWindow(GtkWindowSystem& system, WindowId id, const WindowSpec& params,
                WindowClient& client);
  ~GtkHostWindow() override;
  GtkHostWindow(const GtkHostWindow&) = delete;
  GtkHostWindow& operator=(const GtkHostWindow&) = delete;

  WindowId id() const override { return id_; }
  WindowKind kind() const override { return kind_; }
  Rect frame() const override { return frame_; }
  void setFrame(const Rect& frame) override;
  void show(ShowMode mode) override;
  void bringToFront() override;
  void setKeepAbove(bool above) override;
  bool isVisible() const override;
  bool isMinimised() const override { return minimised_; }
  bool isMaximised() const override { return false; }
  void setTitle(std::u16string_view title) override;
  void setIcon(const Image& icon) override;
  void invalidate(const Rect& rect) override;
  Colour pixel(int x, int y) const override;
  // The X server already keeps the pointer with the window while the button that pressed
  // stays down; the flag only holds back leave notifications meanwhile.
  void captureMouse() override { captured_ = true; }
  void releaseMouse() override { captured_ = false; }
  void trackMouse(std::chrono::milliseconds hoverTime) override;
  void beginMoveDrag(Point screenPosition) override;
  void setCursor(PointerShape shape) override;
  void focus() override;
  bool hasFocus() const override;
  void setTextInput(bool enabled, const Rect& caret) override;
  void setTimer(int timerId, std::chrono::milliseconds period) override;
  void killTimer(int timerId) override;
  int runModal() override;
  void endModal(int result) override;

  WindowClient& client() { return client_; }
  GtkWidget* widget() const { return widget_; }
  bool takesFocus() const { return kind_ != WindowKind::Osd; }
  // Signal handlers; each returns true when the event is used up.
  bool onDraw(cairo_t* cr);
  bool onEvent(GdkEvent* event);
  void onCommit(const char* utf8);
  void onPreeditChanged();
  void onConfigure(int x, int y, int width, int height);
  bool fireTimer(int timerId);
  void fireHover();

 private:
  void mouse(MouseAction action, double x, double y, unsigned state, int wheelDelta = 0);
  void press(GdkEvent* event);
  // True when this left press ends a double click, by the desktop's time and distance.
  bool isSecondClick(const GdkEventButton& button);
  bool key(GdkEventKey& key);
  bool composing() const;
  void grabForPopup();
  void releaseGrab();

  GtkWindowSystem& system_;
  WindowId id_;
  WindowKind kind_;
  WindowClient& client_;
  GtkWidget* widget_ = nullptr;
  GtkIMContext* im_ = nullptr;
  BackBuffer picture_;
  Rect frame_;
  bool minimised_ = false;
  bool captured_ = false;
  bool tracking_ = false;
  bool grabbed_ = false;
  bool textInput_ = false;
  // The last left press that could start a double click: its time and place.
  std::optional<std::pair<std::uint32_t, Point>> firstClick_;
  // Hardware key codes pressed: those the client saw go down, those only the input method saw.
  std::set<std::uint16_t> keysDown_;
  std::set<std::uint16_t> composedKeys_;
  std::chrono::milliseconds hoverTime_{0};
  unsigned hoverSource_ = 0;
  std::map<int, unsigned> timers_;
  GMainLoop* modalLoop_ = nullptr;
  std::optional<int> modalResult_;
};

}  // namespace pelorin
