#pragma once
// The live session with the mouse on the UI thread: the send dispatcher, the priming of what was
// last sent, the status poll and its answers, the mouse's own event reports, the missing-device
// notice and the factory reset.
#include <cstddef>

#include "device/device_link.h"
#include "lang/language_table.h"
#include "macro/macro_library.h"
#include "profile/profile_table.h"

namespace pelorin {

namespace session_text {
constexpr int kProgress = 146;
constexpr int kAttentionTitle = 150;
constexpr int kNoDevice = 155;
constexpr int kReceiverWithoutMouse = 156;
}  // namespace session_text

class DeviceSession {
 public:
  DeviceSession(DeviceLink& link, DeviceHost& host, ProfileTable& profiles,
                const MacroLibrary& library, const LanguageTable& texts);

  void setCurrentProfile(std::size_t index) { current_ = index < kProfileCount ? index : 0; }
  std::size_t currentProfile() const { return current_; }
  ProfileRecord& current() { return *profiles_.record(current_); }

  // Timer 30 and the direct callers: sends the pending groups and the changed macros.
  void dispatchPendingSends();
  // Marks every group pending and forgets what was sent, so the whole profile goes out.
  void forceFullSend();
  void primeLastSent();
  // The factory reset and the profile steps that follow the user's confirmation.
  void resetDeviceAndProfile();

  // Timer 110, every second.
  void onPollTimer();
  void parseStatus(const Report& answer);
  void onDeviceEvent(const Report& event);
  // Timer 80, once, two seconds after start.
  void onNoDeviceCheck();

 private:
  void applySensorCode(std::uint8_t code);
  void noteMouseChange();

  DeviceLink& link_;
  DeviceHost& host_;
  ProfileTable& profiles_;
  const MacroLibrary& library_;
  const LanguageTable& texts_;
  std::size_t current_ = 0;
};

}  // namespace pelorin
