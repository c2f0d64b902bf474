#include "platform/sim/sim_mouse.h"

#include <algorithm>
#include <bit>

namespace pelorin {
namespace {

constexpr std::uint8_t kCommandId = 0x0C;
constexpr std::size_t kPayload = 7;

enum Command : std::uint8_t {
  kSetButton = 0x04,
  kSetDpiLevels = 0x05,
  kSetDpiColors = 0x06,
  kSetPollingRate = 0x07,
  kSetLighting = 0x08,
  kSetLiftOff = 0x09,
  kSetDebounce = 0x0A,
  kSetPower = 0x0B,
  kSetMotionWakeup = 0x0C,
  kMacroChunk = 0x0E,
  kFactoryReset = 0x0F,
  kGetStatus = 0x20,
};

template <std::size_t N>
void copyPayload(std::span<const std::uint8_t> report, std::array<std::uint8_t, N>& into) {
  std::copy_n(report.begin() + kPayload, N, into.begin());
}

SimSettings factorySettings() {
  SimSettings s;
  s.dpiLevels[0] = 0x15;  // five levels enabled, level 1 current
  s.dpiLevels[1] = 0x1F;
  s.pollingInterval = 1;
  s.liftOff = {2, 0};
  s.debounce = 4;
  return s;
}

}  // namespace

SimMouse::SimMouse() : settings_(factorySettings()) {}

bool SimMouse::setFeature(std::span<const std::uint8_t> report, const std::string& via) {
  std::lock_guard lock(mutex_);
  if (report.size() != 33) return false;
  SimReceived record{via, {}};
  std::copy(report.begin(), report.end(), record.bytes.begin());
  received_.push_back(record);
  if (faults_.failSet || report[0] != kCommandId) return false;
  apply(report);
  return true;
}

bool SimMouse::getFeature(std::span<std::uint8_t> report) {
  std::lock_guard lock(mutex_);
  if (faults_.failGet || report.size() != 33 || report[0] != kCommandId) return false;
  std::copy(pendingAnswer_.begin(), pendingAnswer_.end(), report.begin());
  return true;
}

void SimMouse::apply(std::span<const std::uint8_t> report) {
  const std::uint8_t length = std::min<std::uint8_t>(report[6], 26);
  switch (report[2]) {
    case kSetButton:
      if (report[7] < 5) std::copy_n(report.begin() + 8, 3, settings_.buttons[report[7]].begin());
      break;
    case kSetDpiLevels:
      copyPayload(report, settings_.dpiLevels);
      break;
    case kSetDpiColors:
      copyPayload(report, settings_.dpiColors);
      break;
    case kSetPollingRate:
      settings_.pollingInterval = report[7];
      break;
    case kSetLighting:
      settings_.lighting.assign(report.begin() + kPayload, report.begin() + kPayload + length);
      break;
    case kSetLiftOff:
      copyPayload(report, settings_.liftOff);
      break;
    case kSetDebounce:
      settings_.debounce = report[7];
      break;
    case kSetPower:
      copyPayload(report, settings_.power);
      break;
    case kSetMotionWakeup:
      settings_.motionWakeup = report[7];
      break;
    case kMacroChunk:
      applyMacroChunk(report);
      break;
    case kFactoryReset: {
      const int resets = settings_.factoryResets + 1;
      settings_ = factorySettings();
      settings_.factoryResets = resets;
      break;
    }
    case kGetStatus:
      pendingAnswer_ = statusAnswer();
      break;
    default:
      break;
  }
}

// Chunk k of n carries the slot at byte 7 and up to 25 entry bytes; the first chunk starts the
// slot afresh, so an upload replaces what the slot held.
void SimMouse::applyMacroChunk(std::span<const std::uint8_t> report) {
  const int chunk = report[5] >> 4;
  const int slot = report[7];
  const std::size_t count = report[6] == 0 ? 0 : std::min<std::size_t>(report[6] - 1u, 25);
  auto& bytes = settings_.macroSlots[slot];
  if (chunk == 0) bytes.clear();
  bytes.insert(bytes.end(), report.begin() + 8, report.begin() + 8 + static_cast<long>(count));
}

SimReport SimMouse::statusAnswer() {
  SimReport answer{};
  answer[0] = kCommandId;
  answer[1] = 0x01;
  answer[2] = faults_.wrongEcho ? 0x21 : kGetStatus;
  answer[3] = faults_.errorByte ? 0x01 : 0x00;
  answer[6] = 0x10;
  if (faults_.statusWithoutData > 0) {
    --faults_.statusWithoutData;
    answer[6] = 0;
  }
  for (std::size_t i = 0; i < 4 && i < status_.identification.size(); ++i) {
    answer[8 + i] = static_cast<std::uint8_t>(status_.identification[i]);
  }
  answer[15] = status_.sensorCode;
  answer[18] = status_.batteryPercent;
  answer[19] = status_.chargeState;
  answer[21] = status_.linkFlag;
  return answer;
}

int SimMouse::enabledLevelCount() const {
  return std::max(1, std::popcount(settings_.dpiLevels[1]));
}

SimReport SimMouse::eventReport() const {
  SimReport report{};
  report[0] = 0x05;
  report[1] = 0x06;
  report[3] = settings_.pollingInterval;
  // The level the mouse reports is the one it holds: the high nibble of the DPI levels, as the
  // last command or its own button left it.
  report[4] = static_cast<std::uint8_t>(settings_.dpiLevels[0] >> 4);
  return report;
}

SimReport SimMouse::pressDpiButton() {
  std::lock_guard lock(mutex_);
  // The high nibble is the current ordinal + 1, so taken as is it names the next level.
  const int next = (settings_.dpiLevels[0] >> 4) % enabledLevelCount();
  settings_.dpiLevels[0] =
      static_cast<std::uint8_t>((settings_.dpiLevels[0] & 0x0F) | ((next + 1) << 4));
  return eventReport();
}

SimReport SimMouse::pressPollingButton() {
  std::lock_guard lock(mutex_);
  static constexpr std::array<std::uint8_t, 4> kCycle{8, 4, 2, 1};
  const auto* at = std::find(kCycle.begin(), kCycle.end(), settings_.pollingInterval);
  settings_.pollingInterval = (at == kCycle.end() || at + 1 == kCycle.end()) ? kCycle[0] : at[1];
  return eventReport();
}

namespace {

std::uint32_t rgbAt(const std::uint8_t* at) {
  return (std::uint32_t{at[0]} << 16) | (std::uint32_t{at[1]} << 8) | at[2];
}

void decodeLighting(const std::vector<std::uint8_t>& bytes, SimDecoded& out) {
  if (bytes.size() < 2) return;
  out.lightingSet = true;
  out.lightingMode = bytes[0];
  out.brightness = (bytes[1] >> 4) - 1;
  out.speed = (bytes[1] & 0x0F) - 1;
  const auto colours = [&](std::size_t from, std::size_t count) {
    for (std::size_t i = 0; i < count && from + 3 * i + 3 <= bytes.size(); ++i) {
      out.lightingColours.push_back(rgbAt(&bytes[from + 3 * i]));
    }
  };
  switch (out.lightingMode) {
    case 1:
      if (bytes.size() > 2) out.direction = bytes[2];
      break;
    case 2:
      if (bytes.size() > 2) colours(3, bytes[2]);
      break;
    case 3:
      colours(2, 1);
      break;
    case 6:
      colours(2, 7);
      break;
    case 7:
      colours(2, 2);
      break;
    default:
      break;
  }
}

std::vector<SimMacroEntry> decodeMacro(const std::vector<std::uint8_t>& bytes) {
  std::vector<SimMacroEntry> entries;
  for (std::size_t at = 0; at + 3 <= bytes.size(); at += 3) {
    entries.push_back({(bytes[at] & 0x80) != 0, (bytes[at] >> 4) & 0x07,
                       ((bytes[at] & 0x0F) << 8) | bytes[at + 1], bytes[at + 2]});
  }
  return entries;
}

}  // namespace

SimDecoded SimMouse::decoded() const {
  std::lock_guard lock(mutex_);
  const SimSettings& s = settings_;
  SimDecoded d;
  d.buttonCodes = s.buttons;
  d.enabledCount = s.dpiLevels[0] & 0x0F;
  d.currentLevel = (s.dpiLevels[0] >> 4) - 1;
  d.enabledMask = s.dpiLevels[1];
  for (std::size_t i = 0; i < 8; ++i)
    d.levelSteps[i] = s.dpiLevels[2 + 2 * i] | (s.dpiLevels[3 + 2 * i] << 8);
  for (std::size_t i = 0; i < 8; ++i) d.levelColours[i] = rgbAt(&s.dpiColors[3 * i]);
  d.pollingIntervalMs = s.pollingInterval;
  d.lowLiftOff = s.liftOff[0] == 1;
  d.debounce = s.debounce;
  d.powerDownTime = s.power[0];
  d.lightsOffWhileMoving = s.power[1];
  d.motionWakeup = s.motionWakeup;
  decodeLighting(s.lighting, d);
  for (const auto& [slot, bytes] : s.macroSlots) d.macros[slot] = decodeMacro(bytes);
  return d;
}

SimSettings SimMouse::settings() const {
  std::lock_guard lock(mutex_);
  return settings_;
}

SimStatus SimMouse::status() const {
  std::lock_guard lock(mutex_);
  return status_;
}

void SimMouse::setStatus(const SimStatus& status) {
  std::lock_guard lock(mutex_);
  status_ = status;
}

SimFaults SimMouse::faults() const {
  std::lock_guard lock(mutex_);
  return faults_;
}

void SimMouse::setFaults(const SimFaults& faults) {
  std::lock_guard lock(mutex_);
  faults_ = faults;
}

std::vector<SimReceived> SimMouse::received() const {
  std::lock_guard lock(mutex_);
  return received_;
}

void SimMouse::clearReceived() {
  std::lock_guard lock(mutex_);
  received_.clear();
}

}  // namespace pelorin
