#include "macro/macro_recorder.h"

#include <algorithm>

#include "macro/command_count.h"
#include "macro/macro_editor.h"

namespace pelorin {
namespace {
constexpr std::uint32_t kReleaseBit = 0x80000000u;
constexpr std::uint32_t kStampMask = 0x7FFFFFFFu;
}  // namespace

void MacroRecorder::start(MacroKey& macro) {
  command_count::restart(macro);
  macro_ = &macro;
  lastKey_ = 0;
  lastStamp_ = 0;
}

void MacroRecorder::stop() {
  macro_ = nullptr;
}

std::uint32_t MacroRecorder::measuredDelay(std::uint32_t lastStamp, std::uint32_t stamp) {
  const std::uint32_t elapsed = ((stamp & kStampMask) - (lastStamp & kStampMask)) & kStampMask;
  return std::min(elapsed, kMaxDelayMs);
}

MacroRecorder::Outcome MacroRecorder::onHookKey(std::intptr_t wParam, std::intptr_t lParam,
                                                bool insertDelays) {
  const auto key = static_cast<std::uint8_t>(wParam & 0xFF);
  const auto word = static_cast<std::uint32_t>(lParam);
  const bool release = (word & kReleaseBit) != 0;
  // A key the mouse cannot play (no keyboard usage, or one of the mouse codes) is not taken.
  if (macro_ == nullptr || key < kFirstKeyboardKey || !isPlayableKey(key)) return Outcome::Ignored;
  if (key == lastKey_ && release == ((lastStamp_ & kReleaseBit) != 0)) return Outcome::Ignored;
  const bool first = macro_->actionCount == 0;
  const Outcome outcome =
      append(key, release, measuredDelay(lastStamp_, word), insertDelays && !first);
  if (outcome == Outcome::Appended) {
    lastKey_ = key;
    lastStamp_ = word;
  }
  return outcome;
}

MacroRecorder::Outcome MacroRecorder::append(std::uint8_t key, bool release, std::uint32_t delay,
                                             bool withDelay) {
  // Only what can be stored whole is taken: the key with its delay, or nothing.
  const std::uint32_t slots = withDelay ? 2 : 1;
  if (!command_count::fits(*macro_, command_count::kRecordedKeyEvent) ||
      macro_->actionCount + slots > MacroKey::kMaxActions) {
    stop();
    return Outcome::LimitReached;
  }
  if (withDelay) macro_->insertAction(macro_->actionCount, MacroAction::delay(delay));
  macro_->insertAction(macro_->actionCount,
                       release ? MacroAction::release(key) : MacroAction::press(key));
  command_count::recount(*macro_);
  return Outcome::Appended;
}

}  // namespace pelorin
