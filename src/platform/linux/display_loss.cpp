#include "platform/linux/display_loss.h"

#include <X11/Xlib.h>
#include <gdk/gdkx.h>

#include <cstdlib>
#include <utility>

namespace pelorin {
namespace {

std::function<void()> lastWords;
int exitCode = EXIT_FAILURE;

// Xlib ends the process when this returns, so it never does.
int connectionLost(Display*) {
  if (auto words = std::exchange(lastWords, nullptr)) words();
  std::_Exit(exitCode);
}

}  // namespace

void onDisplayLost(std::function<void()> words, int code) {
  GdkDisplay* display = gdk_display_get_default();
  if (display == nullptr || !GDK_IS_X11_DISPLAY(display)) return;
  lastWords = std::move(words);
  exitCode = code;
  XSetIOErrorHandler(&connectionLost);
}

}  // namespace pelorin
