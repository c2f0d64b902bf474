#include <gtest/gtest.h>

#include "support/device_fixture.h"

namespace pelorin {
namespace {

class StatusExchange : public testing::Test, public test::DeviceFixture {
 protected:
  void SetUp() override {
    link->registerDeviceNotifications();
    link->handlers().status = [this](const Report& r) { answers.push_back(r); };
  }
  void connect(SimProduct product) {
    bus.plug(product, mouse);
    link->scanDevices();
    mouse->clearReceived();
  }
  int requests() const {
    int n = 0;
    for (const auto& r : mouse->received()) n += r.bytes[2] == 0x20;
    return n;
  }
  std::vector<Report> answers;
};

TEST_F(StatusExchange, RequestIsFramedAndWaitsBeforeTheReadBack) {
  connect(SimProduct::Receiver);
  const auto before = clock.nowMs();
  link->requestStatus();
  ASSERT_EQ(answers.size(), 1u);
  const auto sent = mouse->received();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(formatReportHex(std::span(sent[0].bytes).first(8)), "0C 01 20 00 01 00 00 00");
  EXPECT_EQ(sent[0].via, "receiver");
  EXPECT_EQ(clock.nowMs() - before, 10u);
  EXPECT_EQ(decodeStatus(answers[0]).identification, "T7K4");
}

struct RetryCase {
  int withoutData;
  int expectedRequests;
  std::size_t expectedAnswers;
};

class StatusRetry : public StatusExchange, public testing::WithParamInterface<RetryCase> {};

TEST_P(StatusRetry, AnAnswerWithoutDataIsAskedForOnceMore) {
  connect(SimProduct::Cable);
  mouse->setFaults({.statusWithoutData = GetParam().withoutData});
  link->requestStatus();
  EXPECT_EQ(requests(), GetParam().expectedRequests);
  EXPECT_EQ(answers.size(), GetParam().expectedAnswers);
}

INSTANTIATE_TEST_SUITE_P(Table, StatusRetry,
                         testing::Values(RetryCase{0, 1, 1}, RetryCase{1, 2, 1},
                                         RetryCase{2, 2, 0}));

TEST_F(StatusExchange, FailingSetOrGetEndsTheExchangeSilently) {
  connect(SimProduct::Cable);
  mouse->setFaults({.failSet = true});
  link->requestStatus();
  EXPECT_EQ(requests(), 1);
  mouse->setFaults({.failGet = true});
  link->requestStatus();
  EXPECT_EQ(requests(), 2);  // no retry after a failed read-back
  EXPECT_TRUE(answers.empty());
}

TEST_F(StatusExchange, NoHandleSendsNothing) {
  link->requestStatus();
  EXPECT_TRUE(mouse->received().empty());
  EXPECT_EQ(link->sequence(), 1);
}

TEST_F(StatusExchange, WrongEchoIsPassedOnButFailsTheAnswerCheck) {
  connect(SimProduct::Cable);
  mouse->setFaults({.wrongEcho = true});
  link->requestStatus();
  ASSERT_EQ(answers.size(), 1u);
  EXPECT_FALSE(isValidStatusAnswer(answers[0]));
}

// A refused report says why, and is not traced as sent.
TEST_F(StatusExchange, FailuresAreReportedWithTheirReasonAndNotTracedAsSent) {
  std::vector<char> traced;
  std::vector<std::string> failures;
  link->setTraceSink(
      [&](char kind, Product, std::span<const std::uint8_t>) { traced.push_back(kind); });
  link->setFailureSink(
      [&](Product via, std::span<const std::uint8_t> report, const std::string& why) {
        failures.push_back(std::string(productName(via)) + " " + formatReportHex(report.first(3)) +
                           " " + why);
      });
  connect(SimProduct::Cable);
  mouse->setFaults({.failSet = true});
  const HidResult result =
      link->sendReport(DeviceCommand::SetDebounce, 1, 1, std::array<std::uint8_t, 1>{4});
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.error, "the simulated mouse refused the report");
  mouse->setFaults({.failGet = true});
  link->requestStatus();
  EXPECT_EQ(failures, (std::vector<std::string>{
                          "cable 0C 01 0A the simulated mouse refused the report",
                          "cable 0C FF FF status read-back: the simulated mouse gave no answer"}));
  EXPECT_EQ(traced, std::vector<char>{'>'});  // only the status request went through
}

TEST_F(StatusExchange, TraceShowsRequestAndAnswerWithTheirHandle) {
  std::vector<std::string> lines;
  link->setTraceSink([&](char kind, Product via, std::span<const std::uint8_t> bytes) {
    lines.push_back(std::string(1, kind) + " " + productName(via) + " " + formatReportHex(bytes));
  });
  connect(SimProduct::Cable);
  link->requestStatus();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].substr(0, 20), "> cable 0C 01 20 00 ");
  EXPECT_EQ(lines[1].substr(0, 20), "< cable 0C 01 20 00 ");
  EXPECT_EQ(lines[0].size(), 8u + 33 * 3 - 1);
}

}  // namespace
}  // namespace pelorin
