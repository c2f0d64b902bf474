#include "device/setting_commands.h"

#include <algorithm>
#include <span>

#include "device/setting_images.h"

namespace pelorin {
namespace {

void send(DeviceLink& link, DeviceCommand command, std::span<const std::uint8_t> payload,
          std::size_t length) {
  if (link.sendReport(command, 0x01, static_cast<std::uint8_t>(length), payload)) {
    link.pending.sentSomething = true;
  }
  link.pace(kReportPacingMs);
}

void sendByte(DeviceLink& link, DeviceCommand command, std::uint8_t value) {
  const std::array<std::uint8_t, 1> payload{value};
  send(link, command, payload, 1);
}

// Replaces the stored image and says whether the new one differed in the compared bytes.
template <typename T>
bool replace(T& stored, const T& built, std::size_t compared) {
  const bool differs =
      !std::equal(built.begin(), built.begin() + static_cast<long>(compared), stored.begin());
  stored = built;
  return differs;
}

bool replaceByte(std::uint8_t& stored, std::uint8_t built) {
  const bool differs = stored != built;
  stored = built;
  return differs;
}

// The length byte and as many bytes as it announces (capped at what the image holds).
bool replaceLighting(LightingImage& stored, const LightingImage& built) {
  const std::size_t compared = 1 + std::min<std::size_t>(built[0], built.size() - 1);
  return replace(stored, built, compared);
}

}  // namespace

void sendButtons(DeviceLink& link, const ProfileRecord& profile) {
  if (!link.hasCommandHandle()) return;
  const ButtonImage built = buildButtonImage(profile);
  std::array<bool, kDevicePositions> changed{};
  for (std::size_t p = 0; p < kDevicePositions; ++p) {
    const auto at = 2 + 3 * p;
    changed[p] = !std::equal(built.begin() + static_cast<long>(at),
                             built.begin() + static_cast<long>(at + 3),
                             link.lastSent.buttons.begin() + static_cast<long>(at));
  }
  link.lastSent.buttons = built;
  for (std::size_t p = 0; p < kDevicePositions; ++p) {
    if (changed[p]) {
      const auto at = 2 + 3 * p;
      const std::array<std::uint8_t, 4> payload{static_cast<std::uint8_t>(p), built[at],
                                                built[at + 1], built[at + 2]};
      if (link.sendReport(DeviceCommand::SetButton, 0x01, 4, payload)) {
        link.pending.sentSomething = true;
      }
    }
    link.pace(kReportPacingMs);  // every position costs its pause, sent or not
  }
}

void sendPerformanceGroup(DeviceLink& link, const ProfileRecord& profile) {
  if (!link.hasCommandHandle()) return;
  auto& last = link.lastSent;
  const auto levels = buildDpiLevels(profile);
  const auto colours = buildDpiColours(profile);
  const auto polling = buildPollingInterval(profile);
  const auto liftOff = buildLiftOff(profile);
  const auto debounce = buildDebounce(profile);
  const auto lighting = buildLightingImage(profile);
  const bool sendLevels = replace(last.dpiLevels, levels, 17);
  const bool sendColours = replace(last.dpiColours, colours, colours.size());
  const bool sendPolling = replaceByte(last.pollingInterval, polling);
  const bool sendLiftOff = replaceByte(last.liftOff, liftOff[0]);
  const bool sendDebounce = replaceByte(last.debounce, debounce);
  const bool sendLighting = replaceLighting(last.lighting, lighting);
  if (sendLevels) send(link, DeviceCommand::SetDpiLevels, levels, levels.size());
  if (sendColours) send(link, DeviceCommand::SetDpiColors, colours, colours.size());
  if (sendPolling) sendByte(link, DeviceCommand::SetPollingRate, polling);
  if (sendLiftOff) send(link, DeviceCommand::SetLiftOff, liftOff, liftOff.size());
  if (sendDebounce) sendByte(link, DeviceCommand::SetDebounce, debounce);
  if (sendLighting) {
    send(link, DeviceCommand::SetLighting, std::span(lighting).subspan(1), lighting[0]);
  }
}

void sendPower(DeviceLink& link, const ProfileRecord& profile) {
  if (!link.hasCommandHandle()) return;
  const auto power = buildPower(profile);
  if (replace(link.lastSent.power, power, power.size())) {
    send(link, DeviceCommand::SetPower, power, power.size());
  }
}

void sendMotionWakeup(DeviceLink& link, const ProfileRecord& profile) {
  if (!link.hasCommandHandle()) return;
  const auto wakeup = buildMotionWakeup(profile);
  if (replaceByte(link.lastSent.motionWakeup, wakeup)) {
    sendByte(link, DeviceCommand::SetMotionWakeup, wakeup);
  }
}

void primeSettingImages(DeviceLink& link, const ProfileRecord& profile) {
  auto& last = link.lastSent;
  last.buttons = buildButtonImage(profile);
  last.dpiLevels = buildDpiLevels(profile);
  last.dpiColours = buildDpiColours(profile);
  last.pollingInterval = buildPollingInterval(profile);
  last.liftOff = buildLiftOff(profile)[0];
  last.debounce = buildDebounce(profile);
  last.power = buildPower(profile);
  last.motionWakeup = buildMotionWakeup(profile);
  last.lighting = buildLightingImage(profile);
}

void sendFactoryReset(DeviceLink& link) {
  const std::array<std::uint8_t, 1> payload{0xFF};
  link.sendReport(DeviceCommand::FactoryReset, 0x01, 1, payload);
}

}  // namespace pelorin
