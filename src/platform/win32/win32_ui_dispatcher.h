#pragma once
// Hands tasks from the device reader threads to the window thread through a message-only
// window made on that thread.
#include <deque>
#include <mutex>

#include <windows.h>

#include "platform/ui_dispatcher.h"

namespace pelorin {

class Win32UiDispatcher final : public UiDispatcher {
 public:
  // On the window thread.
  Win32UiDispatcher();
  ~Win32UiDispatcher() override;
  Win32UiDispatcher(const Win32UiDispatcher&) = delete;
  Win32UiDispatcher& operator=(const Win32UiDispatcher&) = delete;

  void post(std::function<void()> task) override;

 private:
  static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void runPending();

  HWND window_ = nullptr;
  std::mutex mutex_;
  std::deque<std::function<void()>> tasks_;
};

}  // namespace pelorin
