#include "platform/win32/win32_keyboard_hook.h"

namespace pelorin {
namespace {

// The capture that receives the keys; the hook procedure has no other way to find it.
Win32KeyboardHook* capturing = nullptr;

}  // namespace

bool Win32KeyboardHook::start(WindowId target) {
  stop();
  if (capturing != nullptr) capturing->stop();
  hook_ = ::SetWindowsHookExW(WH_KEYBOARD_LL, onKey, ::GetModuleHandleW(nullptr), 0);
  if (hook_ == nullptr) return false;
  target_ = target;
  capturing = this;
  return true;
}

void Win32KeyboardHook::stop() {
  if (hook_ == nullptr) return;
  ::UnhookWindowsHookEx(hook_);
  hook_ = nullptr;
  target_ = kNoWindow;
  if (capturing == this) capturing = nullptr;
}

LRESULT CALLBACK Win32KeyboardHook::onKey(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && capturing != nullptr) {
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    const HookKey event{static_cast<int>(key->vkCode), (key->flags & LLKHF_UP) != 0, key->time};
    // Sent, not posted: the key is the target's before the next one is hooked.
    capturing->windows_.send(capturing->target_, hookKeyMessage(event));
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace pelorin
