// The send dispatcher and the priming of what was last sent.
#include "device/device_session.h"
#include "device/macro_upload.h"
#include "device/setting_commands.h"
#include "device/setting_images.h"

namespace pelorin {
namespace {

constexpr unsigned kSaveDelayMs = 10000;

template <typename T>
T complement(T image) {
  for (auto& byte : image) byte = static_cast<std::uint8_t>(~byte);
  return image;
}

}  // namespace

void DeviceSession::dispatchPendingSends() {
  auto& pending = link_.pending;
  pending.sentSomething = false;
  if (!link_.windowShown) return;
  if (assignMacroSlots(link_, current(), library_, texts_)) host_.markCurrentProfileModified();
  if (pending.buttons) sendButtons(link_, current());
  if (pending.performance) sendPerformanceGroup(link_, current());
  if (pending.power) sendPower(link_, current());
  if (pending.motionWakeup) sendMotionWakeup(link_, current());
  // Without a handle nothing went out, so the groups stay pending for the next dispatch instead
  // of waiting for another edit of the same group.
  if (link_.hasCommandHandle()) {
    pending.buttons = pending.performance = pending.power = false;
    pending.motionWakeup = pending.slider = false;
  }
  uploadMacros(link_, current(), true);
  if (pending.sentSomething && !pending.suppressProgress) {
    link_.pollTick = 0;
    host_.showProgress(session_text::kProgress);
  }
  pending.suppressProgress = false;
  host_.killTimer(TimerId::SaveProfiles);
  host_.startTimer(TimerId::SaveProfiles, kSaveDelayMs);
  host_.refreshPages();
}

// Every stored image is made the complement of what the profile builds, so each command and
// macro compares as changed whatever its bytes are.
void DeviceSession::forceFullSend() {
  const ProfileRecord& profile = current();
  auto& last = link_.lastSent;
  last.buttons = complement(buildButtonImage(profile));
  last.dpiLevels = complement(buildDpiLevels(profile));
  last.dpiColours = complement(buildDpiColours(profile));
  last.pollingInterval = static_cast<std::uint8_t>(~buildPollingInterval(profile));
  last.liftOff = static_cast<std::uint8_t>(~buildLiftOff(profile)[0]);
  last.debounce = static_cast<std::uint8_t>(~buildDebounce(profile));
  last.power = complement(buildPower(profile));
  last.motionWakeup = static_cast<std::uint8_t>(~buildMotionWakeup(profile));
  last.lighting = complement(buildLightingImage(profile));
  for (auto& macro : last.macros) macro.fill(0xFF);  // byte 0 of a built image is always 0x09
  auto& pending = link_.pending;
  pending.buttons = pending.performance = pending.power = pending.motionWakeup = true;
}

// The slots are numbered before the images are built, so the primed button codes are the ones
// the next dispatch would send and nothing goes out until the profile really changes.
void DeviceSession::primeLastSent() {
  if (assignMacroSlots(link_, current(), library_, texts_)) host_.markCurrentProfileModified();
  primeSettingImages(link_, current());
  uploadMacros(link_, current(), false);
}

void DeviceSession::resetDeviceAndProfile() {
  sendFactoryReset(link_);
  ProfileRecord& profile = current();
  const auto nameAt = static_cast<std::size_t>(Setting::ProfileName);
  const std::u16string name = profile.pairs[nameAt].value;
  profiles_.resetProfile(current_, texts_);
  profile.pairs[nameAt].value = name;
  host_.currentProfileReset();
  primeLastSent();
  host_.refreshPages();
  link_.pollTick = 0;
  host_.showProgress(session_text::kProgress);
}

}  // namespace pelorin
