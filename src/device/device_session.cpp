#include "device/device_session.h"

namespace pelorin {
namespace {

constexpr int kPollTickAfterChange = 19;
constexpr unsigned kPollPeriodMs = 1000;
constexpr unsigned kDispatchDelayMs = 20;
constexpr unsigned kSaveDelayMs = 10000;

}  // namespace

// Events, status answers and device changes reach the session on the UI thread through the link.
DeviceSession::DeviceSession(DeviceLink& link, DeviceHost& host, ProfileTable& profiles,
                             const MacroLibrary& library, const LanguageTable& texts)
    : link_(link), host_(host), profiles_(profiles), library_(library), texts_(texts) {
  link_.setHandlers({
      .event = [this](const Report& event) { onDeviceEvent(event); },
      .status = [this](const Report& answer) { parseStatus(answer); },
      .scanned = [this] { onScanned(); },
      .changed = [this](HidChange change) { onDeviceChanged(change); },
  });
}

void DeviceSession::scheduleTransfer() {
  host_.startTimer(TimerId::SendDispatch, kDispatchDelayMs);
}

void DeviceSession::scheduleSave() {
  host_.killTimer(TimerId::SaveProfiles);
  host_.startTimer(TimerId::SaveProfiles, kSaveDelayMs);
}

void DeviceSession::markAllPending() {
  pending_.fill(true);
}

// Everything is compared with what was last sent, so the dispatch after a scan sends only what
// differs, and shows no progress for it.
void DeviceSession::onScanned() {
  if (link_.anyPresent()) host_.startTimer(TimerId::StatusPoll, kPollPeriodMs);
  markPending(SettingGroup::Buttons);
  markPending(SettingGroup::Performance);
  markPending(SettingGroup::Power);
  suppressProgress_ = true;
  scheduleTransfer();
}

void DeviceSession::onDeviceChanged(HidChange change) {
  pollTick_ = kPollTickAfterChange;
  if (change == HidChange::Arrival) {
    if (link_.anyPresent() && firstReadPending_) {
      firstReadPending_ = false;
      link_.requestStatus();
      host_.refreshPages();
    }
    host_.refreshPages();
    return;
  }
  if (link_.anyPresent()) return;
  firstReadPending_ = true;
  windowShown_ = false;
  host_.hideMainWindow();
  host_.closePopups();
  host_.quit();
}

}  // namespace pelorin
