#pragma once
// The window host on GTK 3 under X11. Windows paint through the same cairo canvas as the
// headless host into a back buffer that is then shown in one piece, so a window and its
// offscreen render match pixel for pixel.
#include <deque>
#include <map>
#include <memory>

#include "platform/cairo/cairo_graphics.h"
#include "platform/linux/gtk_clipboard.h"
#include "platform/window_system.h"

namespace pelorin {

class GtkHostWindow;

class GtkWindowSystem final : public WindowSystem {
 public:
  // Pins GTK to X11 without GL and opens the display; false when there is no display.
  static bool initialise(int* argc, char*** argv);

  GtkWindowSystem();
  ~GtkWindowSystem() override;
  GtkWindowSystem(const GtkWindowSystem&) = delete;
  GtkWindowSystem& operator=(const GtkWindowSystem&) = delete;

  Window& createWindow(const WindowSpec& params, WindowClient& client) override;
  void destroy(WindowId id) override;
  Window* find(WindowId id) override;
  bool post(WindowId target, Message message) override;
  std::intptr_t send(WindowId target, const Message& message) override;
  Point cursorPosition() const override;
  ScreenMetrics screen() const override;
  Graphics& graphics() override { return graphics_; }
  Clipboard& clipboard() override { return clipboard_; }

  // Used by the windows.
  GtkHostWindow* findHost(WindowId id);
  WindowId activeWindow() const { return active_; }
  void activate(WindowId id);
  PangoFontMap* fontMap() const { return graphics_.fontMap(); }

 private:
  static int deliverPosted(void* self);

  struct Posted {
    WindowId target;
    Message message;
  };

  CairoGraphics graphics_;
  GtkTextClipboard clipboard_;
  std::map<WindowId, std::unique_ptr<GtkHostWindow>> windows_;
  std::deque<Posted> posted_;
  unsigned postSource_ = 0;
  WindowId nextId_ = 1;
  WindowId active_ = kNoWindow;
};

}  // namespace pelorin
