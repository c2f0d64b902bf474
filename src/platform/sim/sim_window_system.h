#pragma once
// The headless host every UI test runs on: virtual time drives timers, tests synthesise the
// pointer and the keyboard in screen coordinates, windows paint into offscreen pictures.
#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/cairo/cairo_graphics.h"
#include "platform/sim/sim_window.h"
#include "platform/window_system.h"

namespace pelorin {

class SimWindowSystem final : public WindowSystem {
 public:
  // A 1920 x 1080 screen with a 40-pixel panel at the bottom and a 1.0 DPI ratio.
  static ScreenMetrics defaultScreen();

  explicit SimWindowSystem(ScreenMetrics screen = defaultScreen());
  ~SimWindowSystem() override;

  Window& createWindow(const WindowSpec& params, WindowClient& client) override;
  void destroy(WindowId id) override;
  Window* find(WindowId id) override { return findSim(id); }
  bool post(WindowId target, Message message) override;
  std::intptr_t send(WindowId target, const Message& message) override;
  Point cursorPosition() const override { return cursor_; }
  ScreenMetrics screen() const override { return screen_; }
  Graphics& graphics() override { return graphics_; }
  Clipboard& clipboard() override { return clipboard_; }

  SimWindow* findSim(WindowId id);
  // Windows in stacking order, bottom first.
  std::vector<WindowId> windows() const;
  WindowId activeWindow() const { return active_; }

  // Delivers posted messages and repaints invalid windows until nothing is left; returns the
  // number of messages delivered.
  int runPending();
  std::chrono::milliseconds now() const { return now_; }
  // Moves virtual time forward, firing timers and hover notifications in time order.
  void advance(std::chrono::milliseconds duration);
  // Called by modal loops when nothing is pending; returning false ends the loop with -1, so a
  // test that forgets to close its dialog fails instead of hanging.
  void setIdleHandler(std::function<bool()> handler) { idle_ = std::move(handler); }
  // Off: runPending leaves invalid windows unpainted until someone paints them, so a long walk
  // pays for a frame only where it looks.
  void setPaintOnRun(bool paint) { paintOnRun_ = paint; }

  void moveMouse(int x, int y);
  void pressLeft();
  void releaseLeft();
  void pressRight();
  void releaseRight();
  void clickLeft(int x, int y);
  void clickRight(int x, int y);
  void doubleClickLeft(int x, int y);
  void wheel(int delta);
  // Shift and Control keys also set the modifiers that later keys carry.
  void key(int virtualKey, bool down);
  // Down and up, as a shortcut or an editing key is typed.
  void tapKey(int virtualKey);
  // Committed text reaches the active window only while it has asked for text input.
  void typeText(std::u16string_view text);
  // The input method's word in progress, under the same rule as committed text.
  void compose(std::u16string_view text);

  // Used by SimWindow.
  void raise(WindowId id);
  void activate(WindowId id);
  void setCapture(WindowId id) { capture_ = id; }
  WindowId capture() const { return capture_; }
  void startMoveDrag(WindowId id);
  int runModal(WindowId id);
  void endModal(WindowId id, int result);
  PangoFontMap* fontMap() const { return graphics_.fontMap(); }

 private:
  WindowId windowAt(Point p);
  WindowId pointerTarget();
  void deliverMouse(MouseAction action, int wheelDelta = 0);
  void press(MouseAction action, unsigned button);
  void updateHoverTarget(WindowId target);

  struct Posted {
    WindowId target;
    Message message;
  };
  struct MoveDrag {
    WindowId window;
    Point startCursor;
    Rect startFrame;
  };

  ScreenMetrics screen_;
  CairoGraphics graphics_;
  MemoryClipboard clipboard_;
  std::map<WindowId, std::unique_ptr<SimWindow>> windows_;
  std::vector<WindowId> stacking_;
  std::deque<Posted> posted_;
  std::map<WindowId, std::optional<int>> modalResults_;
  std::function<bool()> idle_;
  bool paintOnRun_ = true;
  WindowId nextId_ = 1;
  WindowId active_ = kNoWindow;
  WindowId capture_ = kNoWindow;
  WindowId underPointer_ = kNoWindow;
  std::optional<MoveDrag> moveDrag_;
  Point cursor_{-10000, -10000};
  unsigned buttons_ = 0;
  std::chrono::milliseconds now_{0};
  unsigned modifiers_ = 0;
};

}  // namespace pelorin
