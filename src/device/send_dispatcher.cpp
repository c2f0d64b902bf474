// The send dispatcher and the priming of what was last sent, both walking the one table of
// setting commands.
#include <vector>
#include "device/device_session.h"

#include "device/macro_upload.h"

namespace pelorin {
namespace {

std::vector<SettingPayload> buildAll(const ProfileRecord& profile) {
  std::vector<SettingPayload> built;
  for (const auto& command : settingCommands()) built.push_back(command.build(profile));
  return built;
}

}  // namespace

bool DeviceSession::numberMacroSlots() {
  const bool refreshed = assignMacroSlots(current(), library_, texts_, relink_);
  relink_ = false;
  if (refreshed) host_.markCurrentProfileModified();
  return refreshed;
}

// Each group is walked once: a refused command marks its group pending again for the next
// dispatch instead of being tried again now, so a device that refuses everything costs one
// attempt per command and dispatch.
DeviceSession::GroupOutcome DeviceSession::sendSettings(
    const std::array<bool, kSettingGroupCount>& groups) {
  GroupOutcome outcome;
  const auto commands = settingCommands();
  for (std::size_t row = 0; row < commands.size(); ++row) {
    const SettingCommand& command = commands[row];
    const auto group = static_cast<std::size_t>(command.group);
    if (!groups[group]) continue;
    const SettingPayload built = command.build(current());
    auto& last = lastSent_.settings[row];
    if (last && sameAsSent(command, built, *last)) {
      if (command.pacedWhenUnchanged) link_.pace(kReportPacingMs);
      continue;
    }
    if (link_.sendReport(command.code, 0x01, built.length, built.bytes)) {
      last = built;
      outcome.sent = true;
    } else {
      pending_[group] = true;
      outcome.refused = true;
    }
    link_.pace(kReportPacingMs);
  }
  return outcome;
}

void DeviceSession::dispatchPendingSends() {
  if (!windowShown_) return;
  numberMacroSlots();
  bool sent = false;
  // Without a handle nothing can go out: the groups stay pending for the dispatch after the
  // mouse is back.
  if (link_.hasCommandHandle()) {
    const auto groups = pending_;
    pending_ = {};
    sent = sendSettings(groups).sent;
  }
  sent |= uploadMacros(link_, current(), lastSent_.macros, true).sent;
  if (sent && !suppressProgress_) {
    pollTick_ = 0;
    host_.showProgress();
  }
  suppressProgress_ = false;
  scheduleSave();
  host_.refreshPages();
}

void DeviceSession::forceFullSend() {
  lastSent_.forget();
  markAllPending();
}

// The slots are numbered before the images are built, so the primed button codes are the ones
// the next dispatch would send and nothing goes out until the profile really changes. A code the
// numbering changed (a macro deleted while the program was closed, a slot renumbered) is not on
// the mouse yet, so it is left unknown and the buttons stay pending.
void DeviceSession::primeLastSent() {
  const auto before = buildAll(current());
  numberMacroSlots();
  const auto after = buildAll(current());
  for (std::size_t row = 0; row < after.size(); ++row) {
    if (before[row] == after[row]) {
      lastSent_.settings[row] = after[row];
    } else {
      lastSent_.settings[row].reset();
      markPending(settingCommands()[row].group);
    }
  }
  uploadMacros(link_, current(), lastSent_.macros, false);
}

HidResult DeviceSession::resetDeviceAndProfile() {
  const std::array<std::uint8_t, 1> payload{0xFF};
  HidResult sent = link_.sendReport(DeviceCommand::FactoryReset, 0x01, 1, payload);
  if (!sent) return sent;
  ProfileRecord& profile = current();
  const auto nameAt = static_cast<std::size_t>(Setting::ProfileName);
  const std::u16string name = profile.pairs[nameAt].value;
  profiles_.resetProfile(current_, texts_);
  profile.pairs[nameAt].value = name;
  host_.currentProfileReset();
  primeLastSent();
  host_.refreshPages();
  pollTick_ = 0;
  host_.showProgress();
  return sent;
}

}  // namespace pelorin
