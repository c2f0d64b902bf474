#pragma once
// One window of the Win32 host: the program's client sees pointer, keys, text, timers and
// messages as the headless and GTK hosts deliver them.
#include <memory>
#include <optional>

#include "platform/win32/gdiplus_api.h"
#include "platform/window.h"
#include "platform/window_client.h"
#include "platform/window_system.h"

namespace pelorin {

class Win32WindowSystem;

class Win32HostWindow final : public Window {
 public:
  Win32HostWindow(Win32WindowSystem& system, WindowId id, const WindowSpec& params,
                  WindowClient& client);
  ~Win32HostWindow() override;
  Win32HostWindow(const Win32HostWindow&) = delete;
  Win32HostWindow& operator=(const Win32HostWindow&) = delete;

  WindowId id() const override { return id_; }
  WindowKind kind() const override { return kind_; }
  Rect frame() const override;
  void setFrame(const Rect& frame) override;
  void show(ShowMode mode) override;
  void bringToFront() override;
  void setKeepAbove(bool above) override;
  bool isVisible() const override;
  bool isMinimised() const override;
  bool isMaximised() const override;
  void setTitle(std::u16string_view title) override;
  void setIcon(const Image& icon) override;
  void invalidate(const Rect& rect) override;
  Colour pixel(int x, int y) const override;
  void captureMouse() override;
  void releaseMouse() override;
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

  HWND handle() const { return handle_; }
  WindowClient& client() { return client_; }
  // The window procedure's work; false leaves the message to the system.
  bool onWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 private:
  void paint();
  void mouse(MouseAction action, WPARAM wParam, LPARAM lParam);
  void key(bool down, WPARAM wParam, LPARAM lParam);

  Win32WindowSystem& system_;
  WindowId id_;
  WindowKind kind_;
  WindowClient& client_;
  HWND handle_ = nullptr;
  std::unique_ptr<Gdiplus::Bitmap> picture_;
  HICON icon_ = nullptr;
  PointerShape cursor_ = PointerShape::Arrow;
  bool textInput_ = false;
  bool modalRunning_ = false;
  std::optional<int> modalResult_;
};

}  // namespace pelorin
