#pragma once
// The program's side of a window: the host calls these on the window thread.
#include <cstdint>
#include <string_view>

#include "platform/canvas.h"
#include "platform/input_event.h"
#include "platform/window_message.h"

namespace pelorin {

class WindowClient {
 public:
  virtual ~WindowClient() = default;

  // The canvas is the window's back buffer; what is drawn reaches the screen in one piece.
  virtual void onPaint(Canvas& canvas, const Rect& dirty) = 0;
  virtual void onMouse(const MouseEvent& event) = 0;
  virtual void onKey(const KeyEvent&) {}
  // Text committed by the input method, already composed.
  virtual void onText(std::u16string_view) {}
  // The word the input method is still composing (empty when it ends), to show at the caret.
  virtual void onComposition(std::u16string_view) {}
  virtual void onTimer(int) {}
  // Posted and sent messages, kClose included; the result is what send returns.
  virtual std::intptr_t onMessage(const Message& message) = 0;
  // Another window of any program became active (a click elsewhere, for popups).
  virtual void onDeactivate() {}
  // The window is gone; the client must not use it any more.
  virtual void onDestroyed() {}
};

}  // namespace pelorin
