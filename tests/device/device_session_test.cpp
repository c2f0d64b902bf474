#include "device/device_session.h"

#include <gtest/gtest.h>

#include "support/device_fixture.h"
#include "support/profile_fixture.h"

namespace pelorin {
namespace {

class Session : public testing::Test, public test::DeviceFixture {
 protected:
  void SetUp() override {
    link->registerDeviceNotifications();
    cablePlug = bus.plug(SimProduct::Cable, mouse);
    ui.runPending();
    mouse->clearReceived();
  }
  Report answer(std::uint8_t sensor, std::uint8_t battery, std::uint8_t charge,
                std::uint8_t linkFlag, const char* id = "T7K4") {
    Report a{};
    a[0] = 0x0C, a[2] = 0x20, a[6] = 0x10;
    for (int i = 0; i < 4; ++i) a[8 + i] = static_cast<std::uint8_t>(id[i]);
    a[15] = sensor, a[18] = battery, a[19] = charge, a[21] = linkFlag;
    return a;
  }
  std::vector<std::uint8_t> commandsSent() const {
    std::vector<std::uint8_t> out;
    for (const auto& r : settingReports()) out.push_back(r.bytes[2]);
    return out;
  }

  LanguageTable texts = test::sampleTexts();
  ProfileTable table = test::factoryProfiles(texts);
  MacroLibrary library;
  DeviceSession session{*link, host, table, library, texts};
  int cablePlug = 0;
};

TEST_F(Session, FirstDispatchAfterScanSendsTheDifferencesWithoutProgress) {
  session.primeLastSent();  // as at start-up, before the scan
  session.current().setKeyDebounce(2);
  session.dispatchPendingSends();  // the scan marked buttons, performance and power pending
  EXPECT_EQ(commandsSent(), std::vector<std::uint8_t>{0x0A});
  EXPECT_EQ(mouse->settings().debounce, 2);
  EXPECT_TRUE(host.progress.empty());
  EXPECT_EQ(host.timers.at(TimerId::SaveProfiles), 10000u);
  EXPECT_FALSE(link->pending.buttons || link->pending.performance || link->pending.power);
}

TEST_F(Session, FullSendMakesTheFirmwareHoldTheWholeProfileInOrder) {
  session.dispatchPendingSends();  // the scan's own dispatch, which shows no progress
  mouse->clearReceived();
  session.forceFullSend();
  session.dispatchPendingSends();
  EXPECT_TRUE(test::firmwareMatches(mouse->settings(), session.current()));
  EXPECT_EQ(commandsSent(), (std::vector<std::uint8_t>{4, 4, 4, 4, 4, 5, 6, 7, 9, 10, 8, 11, 12}));
  EXPECT_EQ(host.progress, std::vector<int>{146});
  EXPECT_EQ(link->pollTick, 0);
}

TEST_F(Session, ButtonsCostTheirPacingEvenWhenUnchanged) {
  session.primeLastSent();
  link->pending.buttons = true;
  const auto before = clock.nowMs();
  session.dispatchPendingSends();
  EXPECT_TRUE(mouse->received().empty());
  EXPECT_EQ(clock.nowMs() - before, 5u * 60);
  EXPECT_TRUE(host.progress.empty());
}

TEST_F(Session, OnlyTheChangedButtonPositionIsSent) {
  session.primeLastSent();
  session.current().keys[3].Value = {0x70, 0x00, 0x04};
  link->pending.buttons = true;
  session.dispatchPendingSends();
  auto sent = settingReports();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].bytes[7], 4);  // key 3 sits at device position 4
  mouse->clearReceived();
  session.current().keys[4].Value = {0x70, 0x00, 0x05};
  link->pending.buttons = true;
  session.dispatchPendingSends();
  sent = settingReports();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].bytes[7], 3);
}

TEST_F(Session, SliderChangeSendsOnlyTheDpiLevels) {
  session.primeLastSent();
  session.current().XYSetting[1] = 40;
  link->pending.performance = true;
  session.dispatchPendingSends();
  EXPECT_EQ(commandsSent(), std::vector<std::uint8_t>{5});
  EXPECT_EQ(mouse->settings().dpiLevels, buildDpiLevels(session.current()));
}

TEST_F(Session, HiddenWindowSendsNothingAndKeepsTheFlags) {
  session.forceFullSend();
  link->windowShown = false;
  session.dispatchPendingSends();
  EXPECT_TRUE(mouse->received().empty());
  EXPECT_TRUE(link->pending.buttons && link->pending.performance);
  link->windowShown = true;
  session.dispatchPendingSends();
  EXPECT_TRUE(test::firmwareMatches(mouse->settings(), session.current()));
}

TEST_F(Session, PrimingThenDispatchingSendsNothing) {
  session.primeLastSent();
  link->pending.buttons = link->pending.performance = link->pending.power = true;
  link->pending.motionWakeup = true;
  session.dispatchPendingSends();
  EXPECT_TRUE(mouse->received().empty());
  EXPECT_TRUE(host.progress.empty());
}

TEST_F(Session, WithoutHandleTheChangeStaysPendingAndIsSentLater) {
  session.primeLastSent();
  session.current().setKeyDebounce(8);
  bus.unplug(cablePlug);
  link->scanDevices();
  link->pending.performance = true;
  session.dispatchPendingSends();
  EXPECT_TRUE(link->pending.performance);
  bus.plug(SimProduct::Receiver, mouse);
  link->scanDevices();
  session.dispatchPendingSends();
  EXPECT_EQ(commandsSent(), std::vector<std::uint8_t>{0x0A});
  EXPECT_EQ(settingReports()[0].via, "receiver");
}

TEST_F(Session, RejectedSettingIsNotRepeated) {
  session.primeLastSent();
  mouse->setFaults({.failSet = true});
  session.current().setKeyDebounce(6);
  link->pending.performance = true;
  session.dispatchPendingSends();
  EXPECT_EQ(commandsSent(), std::vector<std::uint8_t>{0x0A});  // tried once
  mouse->setFaults({});
  mouse->clearReceived();
  link->pending.performance = true;
  session.dispatchPendingSends();
  EXPECT_TRUE(mouse->received().empty());
}

TEST_F(Session, MouseButtonEventUpdatesProfileAndIsNeverEchoed) {
  session.forceFullSend();
  session.dispatchPendingSends();
  mouse->clearReceived();
  Report event{};
  event[0] = 0x05, event[1] = 0x06, event[3] = 0x02, event[4] = 0x03;
  session.onDeviceEvent(event);
  EXPECT_EQ(session.current().CurrentDPILevel, 2);
  EXPECT_EQ(session.current().PollingRateValue, (ByteTriple{2, 0, 0}));
  EXPECT_EQ(session.current().PollingRateName, u"500Hz");
  EXPECT_EQ(host.osds, 1);
  link->pending.buttons = link->pending.performance = link->pending.power = true;
  session.dispatchPendingSends();
  EXPECT_TRUE(mouse->received().empty());
}

TEST_F(Session, EventWithImpossibleLevelKeepsTheLevel) {
  session.current().CurrentDPILevel = 1;
  Report event{};
  event[0] = 0x05, event[1] = 0x06, event[3] = 0x09, event[4] = 0x00;
  session.onDeviceEvent(event);
  EXPECT_EQ(session.current().CurrentDPILevel, 1);
  EXPECT_EQ(session.current().PollingRateName, u"1000Hz");
}

TEST_F(Session, EventsFromTheMouseFlowThroughTheReaderIntoTheProfile) {
  while (bus.waitingReaders(cablePlug) < 1) std::this_thread::yield();
  session.forceFullSend();
  session.dispatchPendingSends();
  mouse->clearReceived();
  bus.pressDpiButton(cablePlug);
  while (host.osds == 0) ui.waitAndRun(std::chrono::milliseconds(10));
  EXPECT_EQ(session.current().CurrentDPILevel, (mouse->settings().dpiLevels[0] >> 4) - 1);
  EXPECT_TRUE(mouse->received().empty());
}

TEST_F(Session, LinkFlagShowsAndMinimisesOnlyWhatItShowed) {
  link->windowShown = false;
  session.parseStatus(answer(0x25, 50, 0, 1));
  EXPECT_TRUE(link->windowShown && link->shownByLink && link->linkActive);
  EXPECT_EQ(host.shows, 1);
  session.parseStatus(answer(0x25, 50, 0, 0));
  EXPECT_EQ(host.minimises, 1);
  EXPECT_FALSE(link->shownByLink);
  session.parseStatus(answer(0x25, 50, 0, 0));  // shown by the user now: left alone
  EXPECT_EQ(host.minimises, 1);
}

TEST_F(Session, AnswerWithoutIdentificationNeverTouchesTheLinkFlag) {
  link->linkActive = true;
  session.parseStatus(answer(0x25, 50, 0, 0, "ABCD"));
  EXPECT_TRUE(link->linkActive);
}

TEST_F(Session, InvalidAnswersChangeNothing) {
  const auto battery = link->batteryPercent;
  const auto sensor = link->rawSensorCode;
  auto a = answer(0x04, 99, 1, 1);
  a[2] = 0x21;
  session.parseStatus(a);
  a = answer(0x04, 99, 1, 1);
  a[3] = 0x01;
  session.parseStatus(a);
  EXPECT_EQ(link->batteryPercent, battery);
  EXPECT_EQ(link->rawSensorCode, sensor);
  EXPECT_EQ(link->chargeState, 0);
  EXPECT_TRUE(host.sensorChanges.empty());
}

struct BatteryCase {
  std::uint8_t battery, charge;
  std::uint8_t percent;
  int state;
};
class Battery : public Session, public testing::WithParamInterface<BatteryCase> {};
TEST_P(Battery, IsShownAtTheNextTick) {
  session.parseStatus(answer(0x25, GetParam().battery, GetParam().charge, 1));
  session.onPollTimer();
  ASSERT_FALSE(host.battery.empty());
  EXPECT_EQ(host.battery.back(), std::make_pair(int{GetParam().percent}, GetParam().state));
}
INSTANTIATE_TEST_SUITE_P(Table, Battery,
                         testing::Values(BatteryCase{77, 0, 77, 0}, BatteryCase{40, 1, 40, 1},
                                         BatteryCase{30, 2, 100, 2}, BatteryCase{150, 0, 0, 0},
                                         BatteryCase{60, 7, 60, 0}));

TEST_F(Session, SensorChangeReappliesDpiDefaultsOnce) {
  table.record(2)->XYSetting[0] = 99;
  session.parseStatus(answer(0x25, 50, 0, 1));  // same as configured
  EXPECT_TRUE(host.sensorChanges.empty());
  session.parseStatus(answer(0x04, 50, 0, 1));
  session.parseStatus(answer(0x04, 50, 0, 1));
  EXPECT_EQ(host.sensorChanges, std::vector<std::uint16_t>{0x3104});
  EXPECT_EQ(table.sensorModel.word, 0x3104);
  EXPECT_NE(table.record(2)->XYSetting[0], 99);
}

TEST_F(Session, UnlistedSensorCodeKeepsModelAndProfiles) {
  const ProfileRecord before = *table.record(0);
  session.parseStatus(answer(0x55, 50, 0, 1));
  session.parseStatus(answer(0x55, 50, 0, 1));
  EXPECT_EQ(table.sensorModel.word, 0x3325);
  EXPECT_TRUE(host.sensorChanges.empty());
  EXPECT_EQ(*table.record(0), before);
  EXPECT_EQ(link->rawSensorCode, 0x55);
}

TEST_F(Session, PollReadsStatusEveryTwentyFirstTickWhileShown) {
  link->pollTick = 0;
  for (int i = 0; i < 20; ++i) session.onPollTimer();
  EXPECT_TRUE(mouse->received().empty());
  session.onPollTimer();
  EXPECT_EQ(mouse->received().size(), 1u);
  EXPECT_EQ(link->pollTick, 0);
  link->windowShown = false;
  link->pollTick = 20;
  host.battery.clear();
  session.onPollTimer();
  EXPECT_EQ(mouse->received().size(), 1u);
  EXPECT_TRUE(host.battery.empty());
}

TEST_F(Session, PollRestartsAnEndedReader) {
  mouse->setFaults({.failRead = true});
  bus.unplug(cablePlug);
  ui.runPending();
  cablePlug = bus.plug(SimProduct::Cable, mouse);
  ui.runPending();
  while (link->readerRunning(Product::Cable)) std::this_thread::yield();
  mouse->setFaults({});
  link->pollTick = 20;
  session.onPollTimer();
  EXPECT_EQ(link->pollTick, 19);
  while (bus.waitingReaders(cablePlug) < 1) std::this_thread::yield();
  EXPECT_TRUE(link->readerRunning(Product::Cable));
}

struct NoticeCase {
  bool cable, receiver, linked;
  int notice;  // 0: none
};
class NoDeviceCheck : public testing::Test,
                      public test::DeviceFixture,
                      public testing::WithParamInterface<NoticeCase> {};
TEST_P(NoDeviceCheck, ChoosesTheNotice) {
  LanguageTable texts;
  ProfileTable table;
  MacroLibrary library;
  DeviceSession session{*link, host, table, library, texts};
  if (GetParam().cable) bus.plug(SimProduct::Cable, mouse);
  if (GetParam().receiver) bus.plug(SimProduct::Receiver, mouse);
  link->scanDevices();
  link->linkActive = GetParam().linked;
  host.timers[TimerId::NoDeviceCheck] = 2000;
  session.onNoDeviceCheck();
  EXPECT_EQ(host.timers.count(TimerId::NoDeviceCheck), 0u);
  if (GetParam().notice == 0) {
    EXPECT_TRUE(host.notices.empty());
  } else {
    ASSERT_EQ(host.notices.size(), 1u);
    EXPECT_EQ(host.notices[0], std::make_pair(150, GetParam().notice));
  }
}
INSTANTIATE_TEST_SUITE_P(Table, NoDeviceCheck,
                         testing::Values(NoticeCase{true, false, false, 0},
                                         NoticeCase{false, true, true, 0},
                                         NoticeCase{false, true, false, 156},
                                         NoticeCase{false, false, false, 155},
                                         NoticeCase{true, true, false, 0}));

TEST_F(Session, FactoryResetRestoresTheProfileButItsName) {
  auto& p = session.current();
  p.pairs[0].value = u"Mine";
  p.setKeyDebounce(3);
  session.resetDeviceAndProfile();
  const auto sent = mouse->received();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(formatReportHex(std::span(sent[0].bytes).subspan(5, 3)), "01 01 FF");
  EXPECT_EQ(sent[0].bytes[2], 0x0F);
  EXPECT_EQ(p.pairs[0].value, u"Mine");
  EXPECT_EQ(p.number(Setting::KeyDebounce), 12);
  EXPECT_EQ(host.profileResets, 1);
  EXPECT_EQ(host.progress, std::vector<int>{146});
  link->pending.performance = true;
  session.dispatchPendingSends();
  EXPECT_EQ(mouse->received().size(), 1u);  // primed: nothing follows the reset
}

}  // namespace
}  // namespace pelorin
