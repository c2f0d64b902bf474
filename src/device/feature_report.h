#pragma once
// The byte layout of every report exchanged with the mouse: 33-byte feature reports on the command
// interface and 33-byte event reports on the event interface.
#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace pelorin {

constexpr std::size_t kReportSize = 33;
constexpr std::size_t kMaxPayload = kReportSize - 7;
using Report = std::array<std::uint8_t, kReportSize>;

constexpr std::uint8_t kCommandReportId = 0x0C;
constexpr std::uint8_t kEventReportId = 0x05;
constexpr std::uint8_t kSettingsChangedEvent = 0x06;
constexpr std::size_t kEventPollingByte = 3;
constexpr std::size_t kEventLevelByte = 4;

enum class DeviceCommand : std::uint8_t {
  SetButton = 0x04,
  SetDpiLevels = 0x05,
  SetDpiColors = 0x06,
  SetPollingRate = 0x07,
  SetLighting = 0x08,
  SetLiftOff = 0x09,
  SetDebounce = 0x0A,
  SetPower = 0x0B,
  SetMotionWakeup = 0x0C,
  MacroChunk = 0x0E,
  FactoryReset = 0x0F,
  GetStatus = 0x20,
};

namespace report_byte {
constexpr std::size_t kId = 0;
constexpr std::size_t kClass = 1;
constexpr std::size_t kCommand = 2;
constexpr std::size_t kReserved = 3;
constexpr std::size_t kSequence = 4;
constexpr std::size_t kPart = 5;
constexpr std::size_t kLength = 6;
constexpr std::size_t kPayload = 7;
}  // namespace report_byte

// A command report: the payload is cut at the 26 bytes that fit; every other byte is zero.
Report buildFeatureReport(DeviceCommand command, std::uint8_t sequence, std::uint8_t part,
                          std::uint8_t length, std::span<const std::uint8_t> payload);

// The buffer a status read-back starts from: all 0xFF but the report id.
Report statusReadBuffer();

// An answer counts only when it echoes GetStatus with a clear error byte.
bool isValidStatusAnswer(const Report& answer);
// Byte 6 non-zero: the answer carries data (otherwise the request is repeated once).
bool statusCarriesData(const Report& answer);

enum ChargeState : int { kDischarging = 0, kCharging = 1, kFull = 2 };

// What a status answer says, decoded once for the session and for pelorinctl alike.
struct StatusFields {
  std::string identification;  // bytes 8..11 as ASCII
  bool linkReported = false;   // the identification is the one whose link flag counts
  bool linkActive = false;
  std::uint8_t sensorCode = 0;
  // As shown: a full battery is 100 %, and a level past 100 cannot be one, so it shows as 0.
  std::uint8_t batteryPercent = 0;
  int chargeState = kDischarging;
};
StatusFields decodeStatus(const Report& answer);
constexpr const char* kLinkIdentification = "T7K4";

// A read counts as an event only when it is a settings-changed report.
bool isSettingsChangedEvent(std::span<const std::uint8_t> report);

// "0C 01 04 ..." as the trace prints it.
std::string formatReportHex(std::span<const std::uint8_t> report);

}  // namespace pelorin
