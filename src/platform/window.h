#pragma once
// A top-level window as the program drives it. Positions are screen pixels; rectangles handed
// to invalidate are client pixels.
#include <chrono>
#include <cstdint>
#include <string_view>

#include "platform/colour.h"
#include "platform/image.h"
#include "platform/rect.h"

namespace pelorin {

using WindowId = std::uint32_t;
constexpr WindowId kNoWindow = 0;

enum class WindowKind : std::uint8_t {
  Main,   // on the task bar
  Modal,  // owned, runs its own message loop
  Popup,  // topmost, borderless, closes when the user clicks elsewhere
  Osd,    // topmost, half transparent, never takes focus
};

enum class ShowMode : std::uint8_t { Normal, Hide, Minimise, Restore };

enum class PointerShape : std::uint8_t { Arrow, Hand };

class Window {
 public:
  virtual ~Window() = default;

  virtual WindowId id() const = 0;
  virtual WindowKind kind() const = 0;

  virtual Rect frame() const = 0;  // screen rectangle; the windows have no frame
  virtual void setFrame(const Rect& frame) = 0;
  virtual void show(ShowMode mode) = 0;
  virtual void bringToFront() = 0;
  // Keeps an ordinary window above the others (a notice that must not hide behind the program);
  // popups and the on-screen display are above by their kind.
  virtual void setKeepAbove(bool above) = 0;
  virtual bool isVisible() const = 0;
  virtual bool isMinimised() const = 0;
  virtual bool isMaximised() const = 0;
  virtual void setTitle(std::u16string_view title) = 0;
  // The picture of the window on the task bar and in the window switcher.
  virtual void setIcon(const Image& icon) = 0;

  virtual void invalidate(const Rect& rect) = 0;
  void invalidateAll() { invalidate(Rect{0, 0, frame().width(), frame().height()}); }
  // The colour last painted at a client pixel.
  virtual Colour pixel(int x, int y) const = 0;

  virtual void captureMouse() = 0;
  virtual void releaseMouse() = 0;
  // Asks for one Leave when the pointer goes and one Hover when it rests this long.
  virtual void trackMouse(std::chrono::milliseconds hoverTime) = 0;
  // Lets the user move the window while the left button stays down.
  virtual void beginMoveDrag(Point screenPosition) = 0;

  // Kept until changed; the shape over the whole window.
  virtual void setCursor(PointerShape shape) = 0;

  virtual void focus() = 0;
  virtual bool hasFocus() const = 0;
  // While enabled, keys also reach the input method and the client gets the committed text
  // through onText; caret (client pixels) is where the input method places its candidates.
  // Disabled, the client gets key events only.
  virtual void setTextInput(bool enabled, const Rect& caret) = 0;

  // Setting a running timer again restarts it with the new period.
  virtual void setTimer(int timerId, std::chrono::milliseconds period) = 0;
  virtual void killTimer(int timerId) = 0;

  // Runs the window's own message loop until endModal; returns endModal's result.
  virtual int runModal() = 0;
  virtual void endModal(int result) = 0;
};

}  // namespace pelorin
