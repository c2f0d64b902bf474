// The status poll, the status answer, the mouse's own event reports and the missing-device notice.
#include <algorithm>

#include "device/device_facts.h"
#include "device/device_session.h"
#include "profile/value_domains.h"

namespace pelorin {
namespace {

constexpr int kPollTicksPerStatus = 20;
constexpr int kPollTickAfterRescan = 19;
constexpr std::uint8_t kMaxDpiLevels = 8;
constexpr std::uint8_t kLevelNibble = 0xF0;

}  // namespace

// At the status point a setting the mouse refused earlier gets its next chance: a refusal is
// retried at most every 21 seconds, never in a loop.
void DeviceSession::onPollTimer() {
  if (pollTick_ < kPollTicksPerStatus) {
    ++pollTick_;
  } else {
    pollTick_ = 0;
    for (Product p : {Product::Cable, Product::Receiver}) {
      if (link_.connection(p).present && !link_.readerRunning(p)) {
        link_.scanDevices();
        pollTick_ = kPollTickAfterRescan;
      }
    }
    if (!windowShown_) return;
    link_.requestStatus();
    if (std::find(pending_.begin(), pending_.end(), true) != pending_.end()) scheduleTransfer();
  }
  if (!windowShown_) return;
  host_.updateBattery(status_.batteryPercent, status_.chargeState);
}

void DeviceSession::showAtUserRequest() {
  heldHidden_ = false;
  status_.shownByLink = false;
  windowShown_ = true;
  host_.showMainWindow();
  if (std::find(pending_.begin(), pending_.end(), true) != pending_.end()) scheduleTransfer();
}

void DeviceSession::parseStatus(const Report& answer) {
  if (!isValidStatusAnswer(answer)) return;
  const StatusFields fields = decodeStatus(answer);
  if (fields.linkReported) {
    status_.linkActive = fields.linkActive;
    if (!windowShown_ && status_.linkActive && !heldHidden_) {
      status_.shownByLink = windowShown_ = true;
      host_.showMainWindow();
    } else if (windowShown_ && !status_.linkActive && status_.shownByLink) {
      status_.shownByLink = false;
      host_.minimiseMainWindow();
    }
  }
  applySensorCode(fields.sensorCode);
  status_.batteryPercent = fields.batteryPercent;
  status_.chargeState = fields.chargeState;
}

// An unlisted code keeps the model and the profiles as they are: the DPI steps of an unknown
// sensor are unknown, and a reload at every answer would rewrite every profile file each time.
void DeviceSession::applySensorCode(std::uint8_t code) {
  status_.rawSensorCode = code;
  const SensorFacts* sensor = sensorByCode(code);
  if (sensor == nullptr || sensor->model == profiles_.sensorModel.word) return;
  profiles_.sensorModel.word = sensor->model;
  profiles_.applySensorDpiDefaults();
  host_.sensorChanged(sensor->model);
  // The defaults are the mouse's new levels at once, not with some later edit.
  markPending(SettingGroup::Performance);
  scheduleTransfer();
}

// A level outside 1..8 cannot name an enabled level; the polling part of such a report still
// counts.
void DeviceSession::onDeviceEvent(const Report& event) {
  ProfileRecord& profile = current();
  const std::uint8_t level = event[kEventLevelByte];
  if (level >= 1 && level <= kMaxDpiLevels) {
    status_.deviceLevel = level - 1;
    profile.CurrentDPILevel = static_cast<std::uint8_t>(status_.deviceLevel);
  }
  const PollingRate& rate = pollingRateOfInterval(event[kEventPollingByte]);
  profile.PollingRateValue = {rate.stored, 0, 0};
  profile.PollingRateName = rate.listName;
  host_.showOnScreenDisplay();
  host_.refreshPages();
  noteMouseChange();
  // The profile changed as by an edit, so it is saved as after one.
  scheduleSave();
}

// What the mouse now holds is recorded as sent, so the new level and polling rate are not sent
// back. Only those bytes are recorded: an edit still waiting for the dispatcher must not be taken
// for sent just because the mouse reported something else in the meantime.
void DeviceSession::noteMouseChange() {
  const ProfileRecord& profile = current();
  if (auto& levels = lastSent_.settings[settingRow(DeviceCommand::SetDpiLevels)]) {
    const auto current = buildDpiLevels(profile).bytes[0] & kLevelNibble;
    levels->bytes[0] = static_cast<std::uint8_t>(current | (levels->bytes[0] & ~kLevelNibble));
  }
  lastSent_.settings[settingRow(DeviceCommand::SetPollingRate)] = buildPollingRate(profile);
}

void DeviceSession::onNoDeviceCheck() {
  host_.killTimer(TimerId::NoDeviceCheck);
  const bool cable = link_.connection(Product::Cable).handle != nullptr;
  const bool receiver = link_.connection(Product::Receiver).handle != nullptr;
  if (cable || (receiver && status_.linkActive)) return;
  host_.showNotice(receiver ? DeviceNotice::ReceiverWithoutMouse : DeviceNotice::NoDevice);
}

}  // namespace pelorin
