// The status poll, the status answer, the mouse's own event reports and the missing-device notice.
#include <cstring>

#include "device/device_session.h"
#include "device/sensor_codes.h"
#include "device/setting_images.h"

namespace pelorin {
namespace {

constexpr int kPollTicksPerStatus = 20;
constexpr int kPollTickAfterRescan = 19;
constexpr std::uint8_t kMaxDpiLevels = 8;

struct PollingRate {
  std::uint8_t index;
  const char16_t* name;
};

PollingRate pollingRateForInterval(std::uint8_t interval) {
  switch (interval) {
    case 8:
      return {0, u"125Hz"};
    case 4:
      return {1, u"250Hz"};
    case 2:
      return {2, u"500Hz"};
    default:
      return {3, u"1000Hz"};
  }
}

}  // namespace

void DeviceSession::onPollTimer() {
  if (link_.pollTick < kPollTicksPerStatus) {
    ++link_.pollTick;
  } else {
    link_.pollTick = 0;
    for (Product p : {Product::Cable, Product::Receiver}) {
      if (link_.connection(p).present && !link_.readerRunning(p)) {
        link_.scanDevices();
        link_.pollTick = kPollTickAfterRescan;
      }
    }
    if (!link_.windowShown) return;
    link_.requestStatus();
  }
  if (!link_.windowShown) return;
  if (link_.batteryPercent > 100) link_.batteryPercent = 0;
  host_.updateBattery(link_.batteryPercent, link_.chargeState);
}

void DeviceSession::parseStatus(const Report& answer) {
  if (!isValidStatusAnswer(answer)) return;
  if (std::memcmp(&answer[8], kLinkIdentification, 4) == 0) {
    link_.linkActive = answer[21] != 0;
    if (!link_.windowShown && link_.linkActive) {
      link_.shownByLink = link_.windowShown = true;
      host_.showMainWindow();
    } else if (link_.windowShown && !link_.linkActive && link_.shownByLink) {
      link_.shownByLink = false;
      host_.minimiseMainWindow();
    }
  }
  applySensorCode(answer[15]);
  link_.batteryPercent = answer[18];
  if (answer[19] == 1) {
    link_.chargeState = 1;
  } else if (answer[19] == 2) {
    link_.chargeState = 2;
    link_.batteryPercent = 100;
  } else {
    link_.chargeState = 0;
  }
}

// An unlisted code keeps the model and the profiles as they are: the DPI steps of an unknown
// sensor are unknown, and a reload at every answer would rewrite every profile file each time.
void DeviceSession::applySensorCode(std::uint8_t code) {
  link_.rawSensorCode = code;
  const auto model = sensorModelForCode(code);
  if (!model || *model == profiles_.sensorModel.word) return;
  profiles_.sensorModel.word = *model;
  profiles_.applySensorDpiDefaults();
  host_.sensorChanged(*model);
}

// A level outside 1..8 cannot name an enabled level; the polling part of such a report still
// counts.
void DeviceSession::onDeviceEvent(const Report& event) {
  ProfileRecord& profile = current();
  if (event[4] >= 1 && event[4] <= kMaxDpiLevels) {
    link_.deviceLevel = event[4] - 1;
    profile.CurrentDPILevel = static_cast<std::uint8_t>(link_.deviceLevel);
  }
  const PollingRate rate = pollingRateForInterval(event[3]);
  profile.PollingRateValue = {rate.index, 0, 0};
  profile.PollingRateName = rate.name;
  host_.showOnScreenDisplay();
  host_.refreshPages();
  noteMouseChange();
}

// What the mouse now holds is recorded as sent, so the new level and polling rate are not sent
// back. Only those bytes are recorded: an edit still waiting for the dispatcher must not be taken
// for sent just because the mouse reported something else in the meantime.
void DeviceSession::noteMouseChange() {
  auto& last = link_.lastSent;
  const ProfileRecord& profile = current();
  last.dpiLevels[0] =
      static_cast<std::uint8_t>(((profile.CurrentDPILevel + 1u) << 4) | (last.dpiLevels[0] & 0x0F));
  last.pollingInterval = buildPollingInterval(profile);
}

void DeviceSession::onNoDeviceCheck() {
  host_.killTimer(TimerId::NoDeviceCheck);
  const bool cable = link_.connection(Product::Cable).handle != nullptr;
  const bool receiver = link_.connection(Product::Receiver).handle != nullptr;
  if (cable || (receiver && link_.linkActive)) return;
  host_.showNotice(session_text::kAttentionTitle,
                   receiver ? session_text::kReceiverWithoutMouse : session_text::kNoDevice);
}

}  // namespace pelorin
