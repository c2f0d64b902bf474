#pragma once
// Records key transitions reported by the keyboard hook into one macro. Repeats of a held key and
// duplicate reports are dropped by comparing each event with the last one taken; the pause before
// an event is measured from the hook's stamps, which wrap at 2^31 and are cut to what one delay of
// a recording may hold. Recording ends by itself when the macro would pass the mouse's command
// limit; the caller then stops the hook and tells the user.
#include <cstdint>

#include "macro/macro_key.h"

namespace pelorin {

class MacroRecorder {
 public:
  enum class Outcome { Ignored, Appended, LimitReached };

  static constexpr std::uint32_t kMaxDelayMs = 4095;
  // Virtual keys below this are the mouse buttons: the mouse plays its own buttons, not these.
  static constexpr int kFirstKeyboardKey = 8;

  // Empties the macro: a recording replaces what was there.
  void start(MacroKey& macro);
  void stop();
  bool recording() const { return macro_ != nullptr; }
  const MacroKey* macro() const { return macro_; }

  // One hook report: wParam the virtual key (low byte used), lParam the release bit and stamp.
  Outcome onHookKey(std::intptr_t wParam, std::intptr_t lParam, bool insertDelays);

  // The pause between two stamps, modulo 2^31, cut to kMaxDelayMs.
  static std::uint32_t measuredDelay(std::uint32_t lastStamp, std::uint32_t stamp);

 private:
  Outcome append(std::uint8_t key, bool release, std::uint32_t delay, bool withDelay);

  MacroKey* macro_ = nullptr;
  std::uint8_t lastKey_ = 0;
  std::uint32_t lastStamp_ = 0;
};

}  // namespace pelorin
