#pragma once
// The live session with the mouse on the UI thread: what the program decides about the link.
// It keeps the pending setting groups, what was last sent, the status the mouse reported and the
// window flags, and runs the send dispatcher, the priming, the status poll, the mouse's own event
// reports, the missing-device notice and the factory reset.
//
// A page changes the profile, calls markPending(group) and scheduleTransfer(); it never sends.
#include <array>
#include <cstddef>

#include "device/device_host.h"
#include "device/device_link.h"
#include "device/last_sent_images.h"
#include "device/setting_commands.h"
#include "lang/language_table.h"
#include "macro/macro_library.h"
#include "profile/profile_table.h"

namespace pelorin {

// What the status answers and event reports left, as the pages show it.
struct SessionStatus {
  bool linkActive = false;
  bool shownByLink = false;
  std::uint8_t batteryPercent = 10;
  int chargeState = kDischarging;
  int rawSensorCode = -1;  // none read yet
  int deviceLevel = 2;     // the mouse's level, 0-based among the enabled levels
};

class DeviceSession {
 public:
  DeviceSession(DeviceLink& link, DeviceHost& host, ProfileTable& profiles,
                const MacroLibrary& library, const LanguageTable& texts);

  void setCurrentProfile(std::size_t index) { current_ = index < kProfileCount ? index : 0; }
  std::size_t currentProfile() const { return current_; }
  ProfileRecord& current() { return *profiles_.record(current_); }

  // ---- what the pages and the main window do
  void markPending(SettingGroup group) { pending_[static_cast<std::size_t>(group)] = true; }
  bool isPending(SettingGroup group) const { return pending_[static_cast<std::size_t>(group)]; }
  // Starts the send timer; the dispatcher runs when it fires.
  void scheduleTransfer();
  // (Re)starts the save timer: ten seconds after the last change the profiles are written.
  void scheduleSave();
  // A switch to another profile: every command whose bytes differ from what the mouse holds
  // goes out at the next dispatch.
  void markAllPending();
  // The next slot numbering refreshes the buttons' macro copies from the library (after the
  // macro manager closed).
  void relinkMacros() { relink_ = true; }
  bool windowShown() const { return windowShown_; }
  void setWindowShown(bool shown) { windowShown_ = shown; }
  // At start-up the window takes the link as active unless it starts hidden.
  void setLinkActive(bool active) { status_.linkActive = active; }
  // The login start: the link's answers leave the window in the tray until the user asks.
  void holdHidden() { heldHidden_ = true; }
  bool heldHidden() const { return heldHidden_; }
  // The user asked for the window: it shows whatever the link says, and the link no longer
  // minimises it on its own; the edits it held back while hidden go out.
  void showAtUserRequest();

  // Timer 30 and the direct callers: sends the pending groups and the changed macros. A command
  // the device refuses is not recorded as sent: its group stays pending for the next dispatch.
  void dispatchPendingSends();
  // Marks every group pending and forgets what was sent, so the whole profile goes out.
  void forceFullSend();
  // Records the current profile as what the mouse holds, except button codes that the slot
  // numbering has just changed: the mouse still holds the old ones, so those stay to be sent.
  void primeLastSent();
  // The factory reset and the profile steps that follow the user's confirmation. When the command
  // reaches no mouse the profile stays as it was and the failure comes back.
  [[nodiscard]] HidResult resetDeviceAndProfile();

  // ---- timers and what the link reports
  // Timer 110, every second.
  void onPollTimer();
  int pollTick() const { return pollTick_; }
  void parseStatus(const Report& answer);
  void onDeviceEvent(const Report& event);
  // Timer 80, once, two seconds after start.
  void onNoDeviceCheck();
  const SessionStatus& status() const { return status_; }

 private:
  struct GroupOutcome {
    bool sent = false;
    bool refused = false;
  };
  GroupOutcome sendSettings(const std::array<bool, kSettingGroupCount>& groups);
  bool numberMacroSlots();
  void onScanned();
  void onDeviceChanged(HidChange change);
  void applySensorCode(std::uint8_t code);
  void noteMouseChange();

  DeviceLink& link_;
  DeviceHost& host_;
  ProfileTable& profiles_;
  const MacroLibrary& library_;
  const LanguageTable& texts_;
  std::size_t current_ = 0;

  std::array<bool, kSettingGroupCount> pending_{};
  bool suppressProgress_ = false;
  bool relink_ = false;
  LastSentImages lastSent_;

  bool windowShown_ = true;
  bool heldHidden_ = false;
  bool firstReadPending_ = true;
  int pollTick_ = 0;
  SessionStatus status_;
};

}  // namespace pelorin
