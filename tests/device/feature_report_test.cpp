#include "device/feature_report.h"

#include <gtest/gtest.h>

namespace pelorin {
namespace {

TEST(FeatureReport, LaysOutHeaderAndPayloadAndZeroesTheRest) {
  const std::uint8_t payload[] = {0x03, 0x90, 0x21, 0x00};
  const Report r = buildFeatureReport(DeviceCommand::SetButton, 0x7F, 0x01, 4, payload);
  EXPECT_EQ(formatReportHex(std::span(r).first(12)), "0C 01 04 00 7F 01 04 03 90 21 00 00");
  for (std::size_t i = 11; i < r.size(); ++i) EXPECT_EQ(r[i], 0) << i;
}

TEST(FeatureReport, PayloadLongerThanTheReportIsCut) {
  std::array<std::uint8_t, 40> payload;
  payload.fill(0xAB);
  const Report r = buildFeatureReport(DeviceCommand::MacroChunk, 1, 0x12, 26, payload);
  EXPECT_EQ(r[32], 0xAB);
  EXPECT_EQ(r.size(), 33u);
}

struct AnswerCase {
  std::uint8_t command, error;
  bool valid;
};

class StatusAnswerCheck : public testing::TestWithParam<AnswerCase> {};

TEST_P(StatusAnswerCheck, UsesOnlyEchoedErrorFreeAnswers) {
  Report answer = statusReadBuffer();
  answer[2] = GetParam().command;
  answer[3] = GetParam().error;
  EXPECT_EQ(isValidStatusAnswer(answer), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Table, StatusAnswerCheck,
                         testing::Values(AnswerCase{0x20, 0x00, true},
                                         AnswerCase{0x21, 0x00, false},
                                         AnswerCase{0x20, 0x01, false},
                                         AnswerCase{0xFF, 0xFF, false}));

TEST(FeatureReport, StatusReadBufferIsAllOnesButTheId) {
  const Report b = statusReadBuffer();
  EXPECT_EQ(b[0], 0x0C);
  EXPECT_FALSE(isValidStatusAnswer(b));  // an untouched buffer must never pass for an answer
  EXPECT_TRUE(statusCarriesData(b));
}

// One decoding for the session and pelorinctl: a full battery shows 100 %, a level past 100 shows
// as 0, an unknown charge state as discharging.
struct DecodeCase {
  const char* id;
  std::uint8_t battery, charge, link;
  std::uint8_t percent;
  int state;
  bool linkReported, linkActive;
};
class StatusDecoding : public testing::TestWithParam<DecodeCase> {};
TEST_P(StatusDecoding, GivesWhatIsShown) {
  Report a{};
  for (int i = 0; i < 4; ++i) a[8 + i] = static_cast<std::uint8_t>(GetParam().id[i]);
  a[15] = 0x25, a[18] = GetParam().battery, a[19] = GetParam().charge, a[21] = GetParam().link;
  const auto f = decodeStatus(a);
  EXPECT_EQ(f.identification, GetParam().id);
  EXPECT_EQ(f.sensorCode, 0x25);
  EXPECT_EQ(f.batteryPercent, GetParam().percent);
  EXPECT_EQ(f.chargeState, GetParam().state);
  EXPECT_EQ(f.linkReported, GetParam().linkReported);
  EXPECT_EQ(f.linkActive, GetParam().linkActive);
}
INSTANTIATE_TEST_SUITE_P(Table, StatusDecoding,
                         testing::Values(DecodeCase{"T7K4", 150, 2, 1, 100, 2, true, true},
                                         DecodeCase{"T7K4", 100, 1, 0, 100, 1, true, false},
                                         DecodeCase{"T7K4", 101, 0, 9, 0, 0, true, true},
                                         DecodeCase{"ABCD", 42, 7, 1, 42, 0, false, true}));

TEST(FeatureReport, EventCheckNeedsIdAndSettingsChangedMarker) {
  const std::uint8_t ok[] = {0x05, 0x06, 0x00, 0x04, 0x02};
  const std::uint8_t other[] = {0x05, 0x07, 0x00, 0x04, 0x02};
  const std::uint8_t wrongId[] = {0x0C, 0x06};
  const std::uint8_t tooShort[] = {0x05};
  EXPECT_TRUE(isSettingsChangedEvent(ok));
  EXPECT_FALSE(isSettingsChangedEvent(other));
  EXPECT_FALSE(isSettingsChangedEvent(wrongId));
  EXPECT_FALSE(isSettingsChangedEvent(tooShort));
}

}  // namespace
}  // namespace pelorin
