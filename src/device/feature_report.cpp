#include "device/feature_report.h"

#include <algorithm>
#include <cstdio>

namespace pelorin {

Report buildFeatureReport(DeviceCommand command, std::uint8_t sequence, std::uint8_t part,
                          std::uint8_t length, std::span<const std::uint8_t> payload) {
  Report report{};
  report[report_byte::kId] = kCommandReportId;
  report[report_byte::kClass] = 0x01;
  report[report_byte::kCommand] = static_cast<std::uint8_t>(command);
  report[report_byte::kSequence] = sequence;
  report[report_byte::kPart] = part;
  report[report_byte::kLength] = length;
  const auto count = std::min(payload.size(), kMaxPayload);
  std::copy_n(payload.begin(), count, report.begin() + report_byte::kPayload);
  return report;
}

Report statusReadBuffer() {
  Report buffer;
  buffer.fill(0xFF);
  buffer[report_byte::kId] = kCommandReportId;
  return buffer;
}

bool isValidStatusAnswer(const Report& answer) {
  return answer[report_byte::kCommand] == static_cast<std::uint8_t>(DeviceCommand::GetStatus) &&
         answer[report_byte::kReserved] == 0x00;
}

bool statusCarriesData(const Report& answer) {
  return answer[report_byte::kLength] != 0;
}

StatusFields decodeStatus(const Report& answer) {
  StatusFields fields;
  fields.identification.assign(answer.begin() + 8, answer.begin() + 12);
  fields.linkReported = fields.identification == kLinkIdentification;
  fields.linkActive = answer[21] != 0;
  fields.sensorCode = answer[15];
  fields.batteryPercent = answer[18] > 100 ? 0 : answer[18];
  if (answer[19] == kCharging) fields.chargeState = kCharging;
  if (answer[19] == kFull) {
    fields.chargeState = kFull;
    fields.batteryPercent = 100;
  }
  return fields;
}

bool isSettingsChangedEvent(std::span<const std::uint8_t> report) {
  return report.size() >= 2 && report[0] == kEventReportId && report[1] == kSettingsChangedEvent;
}

std::string formatReportHex(std::span<const std::uint8_t> report) {
  std::string text;
  text.reserve(report.size() * 3);
  char hex[4];
  for (std::size_t i = 0; i < report.size(); ++i) {
    std::snprintf(hex, sizeof hex, "%02X", report[i]);
    if (i != 0) text += ' ';
    text += hex;
  }
  return text;
}

}  // namespace pelorin
