#pragma once
// The window host on Win32: every window of the program is a borderless window of one class
// (the main window's class is the name a second instance looks for), painted through GDI+
// into a back buffer that reaches the screen in one piece.
#include <deque>
#include <map>
#include <memory>

#include <windows.h>

#include "platform/win32/gdiplus_graphics.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/window_system.h"

namespace pelorin {

class Win32HostWindow;

class Win32WindowSystem final : public WindowSystem {
 public:
  // The class of the main window; a later start finds the first by it.
  static constexpr const wchar_t* kMainClass = L"Pelorin_KVX";
  static constexpr const wchar_t* kWindowClass = L"PelorinWindow";

  // GDI+ must be started for as long as the host lives.
  Win32WindowSystem();
  ~Win32WindowSystem() override;
  Win32WindowSystem(const Win32WindowSystem&) = delete;
  Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;

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
  Win32HostWindow* findHost(WindowId id);
  HWND handleOf(WindowId id);

 private:
  static LRESULT CALLBACK postedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void deliverPosted();

  struct Posted {
    WindowId target;
    Message message;
  };

  GdiplusGraphics graphics_;
  Win32Clipboard clipboard_;
  HWND postWindow_ = nullptr;
  std::map<WindowId, std::unique_ptr<Win32HostWindow>> windows_;
  std::deque<Posted> posted_;
  WindowId nextId_ = 1;
};

}  // namespace pelorin
