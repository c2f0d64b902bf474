#pragma once
// System-wide key capture for macro recording and key-capture dialogs. While started, every key
// press and release anywhere on the desktop reaches the target window as one kHookKey message:
// wParam the virtual key, lParam bit 31 set for a release, bits 0..30 a millisecond stamp that
// grows with time and wraps at 2^31. A held key's repeats come through as repeated presses.
#include <cstdint>

#include "platform/window.h"
#include "platform/window_message.h"

namespace pelorin {

namespace msg {
constexpr unsigned kHookKey = kUser + 1;
}  // namespace msg

constexpr std::uint32_t kHookReleaseBit = 0x80000000u;
constexpr std::uint32_t kHookStampMask = 0x7FFFFFFFu;

struct HookKey {
  int virtualKey = 0;
  bool release = false;
  std::uint32_t stamp = 0;  // milliseconds, any width: only the low 31 bits travel
};

// lParam is the 32-bit word, never sign-extended, so bit 31 reads the same on every host.
inline Message hookKeyMessage(const HookKey& key) {
  const std::uint32_t word = (key.release ? kHookReleaseBit : 0u) | (key.stamp & kHookStampMask);
  return Message{msg::kHookKey, key.virtualKey & 0xFF, static_cast<std::intptr_t>(word), {}};
}

class KeyboardHook {
 public:
  // Stops first.
  virtual ~KeyboardHook() = default;
  // Replaces any running capture; false when no key source could be started.
  virtual bool start(WindowId target) = 0;
  // No message reaches the window after this returns; harmless when nothing runs.
  virtual void stop() = 0;
  virtual bool running() const = 0;
};

}  // namespace pelorin
