#include "device/device_session.h"

#include <gtest/gtest.h>

#include "profile/profile_file.h"
#include "support/device_fixture.h"
#include "support/profile_fixture.h"

namespace pelorin {
namespace {

// A whole report from its bytes as the format gives them, "??" standing for the sequence byte;
// everything after the bytes given is zero.
Report reportOf(std::string_view hex, std::uint8_t sequence) {
  Report report{};
  std::size_t at = 0;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 3) {
    const auto piece = hex.substr(i, 2);
    report[at++] = piece == "??"
                       ? sequence
                       : static_cast<std::uint8_t>(std::stoi(std::string(piece), nullptr, 16));
  }
  return report;
}

MacroKey aPressDelayRelease(std::uint32_t keyIndex) {
  MacroKey m = MacroKey::create(u"A");
  m.keyIndex = keyIndex;
  for (const auto a :
       {MacroAction::press(0x41), MacroAction::delay(50), MacroAction::release(0x41)}) {
    m.insertAction(m.actionCount, a);
  }
  m.commandCount = 2;
  return m;
}

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
  std::vector<Report> reportsSent() const {
    std::vector<Report> out;
    for (const auto& r : settingReports()) out.push_back(r.bytes);
    return out;
  }
  // Expected reports, numbered from the next sequence value on.
  std::vector<Report> expected(std::initializer_list<std::string_view> reports) const {
    std::vector<Report> out;
    auto sequence = link->sequence();
    for (auto hex : reports) out.push_back(reportOf(hex, sequence++));
    return out;
  }
  void markAll() {
    for (auto g : {SettingGroup::Buttons, SettingGroup::Performance, SettingGroup::Power,
                   SettingGroup::MotionWakeup}) {
      session.markPending(g);
    }
  }
  // Every value chosen so that each byte of the expected reports can be worked out by hand.
  void handPickedProfile() {
    auto& p = session.current();
    p.keys[0].Value = {0x10, 0x01, 0x00};
    p.keys[1].Value = {0x10, 0x02, 0x00};
    p.keys[2].Value = {0x10, 0x04, 0x00};
    p.keys[3].Value = {0x70, 0x00, 0x04};
    p.keys[4].Value = {0x20, 0x00, 0x05};
    p.DPIOffOnFlag = 0x0B;
    p.CurrentDPILevel = 1;
    p.XYSetting = {0x0006, 0x0102, 0x000E, 0x001E, 0x0030, 0x0040, 0x0050, 0x0060};
    p.DPILevelIndication = {0x000000FF, 0x0000FF00, 0x00FF0000, 0x00123456,
                            0x00123456, 0x00123456, 0x00123456, 0x00123456};
    p.PollingRateValue = {2, 0, 0};
    p.setLiftDetectionHeight(1);
    p.setKeyDebounce(12);
    p.Lighting1ModeValue = {3, 0, 0};
    p.Lighting1Brightness[3] = 2;
    p.Lighting1Speed[3] = 1;
    p.Lighting1FixedColor[3][0] = 0x00332211;
    p.setPowerDownTime(10);
    p.pairs[static_cast<std::size_t>(Setting::MoveLightingOnOffMode)].value = u"1";
    p.setMotionWakeup(1);
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
  const auto want = expected({"0C 01 0A 00 ?? 01 01 02"});
  session.dispatchPendingSends();  // the scan marked buttons, performance and power pending
  EXPECT_EQ(reportsSent(), want);
  EXPECT_EQ(host.progress, 0);
  EXPECT_EQ(host.timers.at(TimerId::SaveProfiles), 10000u);
  EXPECT_FALSE(session.isPending(SettingGroup::Buttons) ||
               session.isPending(SettingGroup::Performance) ||
               session.isPending(SettingGroup::Power));
}

TEST_F(Session, FullSendSendsEveryCommandInOrder) {
  session.dispatchPendingSends();  // the scan's own dispatch, which shows no progress
  mouse->clearReceived();
  handPickedProfile();
  session.forceFullSend();
  const auto want = expected({
      "0C 01 04 00 ?? 01 04 00 10 01 00",
      "0C 01 04 00 ?? 01 04 01 10 02 00",
      "0C 01 04 00 ?? 01 04 02 10 04 00",
      "0C 01 04 00 ?? 01 04 03 20 00 05",  // device position 3 carries key 4
      "0C 01 04 00 ?? 01 04 04 70 00 04",
      "0C 01 05 00 ?? 01 12 23 0B 06 00 02 01 0E 00 1E 00 30 00",
      "0C 01 06 00 ?? 01 18 FF 00 00 00 FF 00 00 00 FF 56 34 12 56 34 12 56 34 12 56 34 12 56 34 "
      "12",
      "0C 01 07 00 ?? 01 01 02",
      "0C 01 09 00 ?? 01 02 01 00",
      "0C 01 0A 00 ?? 01 01 0C",
      "0C 01 08 00 ?? 01 05 03 32 11 22 33",
      "0C 01 0B 00 ?? 01 02 0A 01",
      "0C 01 0C 00 ?? 01 01 01",
  });
  session.dispatchPendingSends();
  EXPECT_EQ(reportsSent(), want);
  EXPECT_TRUE(test::firmwareMatches(mouse->decoded(), session.current()));
  EXPECT_EQ(host.progress, 1);
  EXPECT_EQ(session.pollTick(), 0);
}

TEST_F(Session, ButtonsCostTheirPacingEvenWhenUnchanged) {
  session.primeLastSent();
  session.markPending(SettingGroup::Buttons);
  const auto before = clock.nowMs();
  session.dispatchPendingSends();
  EXPECT_TRUE(mouse->received().empty());
  EXPECT_EQ(clock.nowMs() - before, 5u * 60);
  EXPECT_EQ(host.progress, 0);
}

struct EditCase {
  const char* name;
  void (*edit)(ProfileRecord&);
  SettingGroup group;
  const char* report;
};
class SingleEdit : public Session, public testing::WithParamInterface<EditCase> {};
TEST_P(SingleEdit, SendsOnlyTheCommandThatChanged) {
  handPickedProfile();
  session.primeLastSent();
  GetParam().edit(session.current());
  session.markPending(GetParam().group);
  const auto want = expected({GetParam().report});
  session.dispatchPendingSends();
  EXPECT_EQ(reportsSent(), want);
}
INSTANTIATE_TEST_SUITE_P(
    Table, SingleEdit,
    testing::Values(
        EditCase{"Key3GoesToPosition4",
                 [](ProfileRecord& p) {
                   p.keys[3].Value = {0x70, 0, 0x09};
                 },
                 SettingGroup::Buttons, "0C 01 04 00 ?? 01 04 04 70 00 09"},
        EditCase{"Key4GoesToPosition3",
                 [](ProfileRecord& p) {
                   p.keys[4].Value = {0x70, 0, 0x09};
                 },
                 SettingGroup::Buttons, "0C 01 04 00 ?? 01 04 03 70 00 09"},
        EditCase{"DpiStep", [](ProfileRecord& p) { p.XYSetting[1] = 0x0028; },
                 SettingGroup::Performance,
                 "0C 01 05 00 ?? 01 12 23 0B 06 00 28 00 0E 00 1E 00 30 00"},
        EditCase{"AllEightLevels", [](ProfileRecord& p) { p.DPIOffOnFlag = 0xFF; },
                 SettingGroup::Performance,
                 "0C 01 05 00 ?? 01 12 28 FF 06 00 02 01 0E 00 1E 00 30 00 40 00 50 00 60 00"},
        EditCase{"ColourListSkipsBlackSlots",
                 [](ProfileRecord& p) {
                   p.Lighting1ModeValue = {2, 0, 0};
                   p.Lighting1Brightness[2] = 2, p.Lighting1Speed[2] = 4;
                   for (auto& f : p.Lighting1ColorSelected[2]) f = 0;
                   p.Lighting1ColorSelected[2][0] = p.Lighting1ColorSelected[2][3] = 1;
                   p.Lighting1ColorSelected[2][5] = 1;
                   p.Lighting1FixedColor[2][0] = 0x000000FF;
                   p.Lighting1FixedColor[2][3] = 0x00FF0000;
                   p.Lighting1FixedColor[2][5] = 0;
                 },
                 SettingGroup::Performance, "0C 01 08 00 ?? 01 09 02 35 02 FF 00 00 00 00 FF"},
        EditCase{"FixedPlacesWithNothingSelected",
                 [](ProfileRecord& p) {
                   p.Lighting1ModeValue = {6, 0, 0};
                   p.Lighting1Brightness[6] = 0, p.Lighting1Speed[6] = 0;
                   for (auto& f : p.Lighting1ColorSelected[6]) f = 0;
                 },
                 SettingGroup::Performance, "0C 01 08 00 ?? 01 17 06 11"},
        EditCase{"LiftOffSevenIsTheHighOne", [](ProfileRecord& p) { p.setLiftDetectionHeight(7); },
                 SettingGroup::Performance, "0C 01 09 00 ?? 01 02 02 00"},
        EditCase{"PollingIndexOutOfRange", [](ProfileRecord& p) { p.PollingRateValue[0] = 5; },
                 SettingGroup::Performance, "0C 01 07 00 ?? 01 01 01"},
        EditCase{"PowerTimeAsLowByte", [](ProfileRecord& p) { p.setPowerDownTime(300); },
                 SettingGroup::Power, "0C 01 0B 00 ?? 01 02 2C 01"},
        EditCase{"MotionWakeupOff", [](ProfileRecord& p) { p.setMotionWakeup(0); },
                 SettingGroup::MotionWakeup, "0C 01 0C 00 ?? 01 01 00"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(Session, HiddenWindowSendsNothingAndKeepsTheGroupsPending) {
  session.forceFullSend();
  session.setWindowShown(false);
  session.dispatchPendingSends();
  EXPECT_TRUE(mouse->received().empty());
  EXPECT_TRUE(session.isPending(SettingGroup::Buttons) &&
              session.isPending(SettingGroup::Performance));
  session.setWindowShown(true);
  session.dispatchPendingSends();
  EXPECT_TRUE(test::firmwareMatches(mouse->decoded(), session.current()));
}

TEST_F(Session, PrimingThenDispatchingSendsNothing) {
  session.primeLastSent();
  markAll();
  session.dispatchPendingSends();
  EXPECT_TRUE(mouse->received().empty());
  EXPECT_EQ(host.progress, 0);
}

TEST_F(Session, WithoutHandleTheChangeStaysPendingAndIsSentLater) {
  session.primeLastSent();
  session.current().setKeyDebounce(8);
  bus.unplug(cablePlug);
  link->scanDevices();
  session.markPending(SettingGroup::Performance);
  session.dispatchPendingSends();
  EXPECT_TRUE(session.isPending(SettingGroup::Performance));
  bus.plug(SimProduct::Receiver, mouse);
  link->scanDevices();
  session.dispatchPendingSends();
  EXPECT_EQ(commandsSent(), std::vector<std::uint8_t>{0x0A});
  EXPECT_EQ(settingReports()[0].via, "receiver");
}

// A setting or macro chunk the device refuses is tried once per dispatch, stays pending and goes
// out at the next dispatch, which the status point of the poll schedules.
TEST_F(Session, RefusedWritesStayPendingAndGoOutAtTheNextDispatch) {
  const MacroKey m = aPressDelayRelease(5);
  library.putMacro(LibraryLocation::top(0), u"A", m);
  auto& key = session.current().keys[0];
  key.Value = {0x90, 0, 0}, key.MacroKeyIndex = 5, key.Macro.copyFrom(m);
  session.primeLastSent();
  session.forceFullSend();
  session.dispatchPendingSends();
  mouse->clearReceived();

  session.current().setKeyDebounce(6);
  auto changed = m;
  changed.insertAction(changed.actionCount, MacroAction::press(0x42));
  changed.commandCount = 3;
  key.Macro.copyFrom(changed);
  session.markPending(SettingGroup::Performance);
  mouse->setFaults({.failSet = true});
  session.dispatchPendingSends();
  EXPECT_EQ(commandsSent(), (std::vector<std::uint8_t>{0x0A, 0x0E}));  // each tried once
  EXPECT_TRUE(session.isPending(SettingGroup::Performance));
  EXPECT_EQ(host.progress, 0);

  mouse->setFaults({});
  mouse->clearReceived();
  host.timers.clear();
  for (int tick = 0; tick <= 20; ++tick) session.onPollTimer();
  EXPECT_EQ(host.timers.count(TimerId::SendDispatch), 1u);
  const auto want =
      expected({"0C 01 0A 00 ?? 01 01 06", "0C 01 0E 00 ?? 01 0A 01 30 32 04 B0 00 04 30 00 05"});
  session.dispatchPendingSends();
  EXPECT_EQ(reportsSent(), want);
  EXPECT_FALSE(session.isPending(SettingGroup::Performance));
}

// The profile file keeps no command count: a macro copy read from it must still announce its
// entries at the first upload.
TEST_F(Session, MacroButtonReadFromAFileUploadsItsEntries) {
  const MacroKey m = aPressDelayRelease(5);
  library.putMacro(LibraryLocation::top(0), u"A", m);
  ProfileRecord written = session.current();
  written.keys[0].Value = {0x90, 0x21, 0x01};
  written.keys[0].MacroKeyIndex = 5;
  written.keys[0].Macro.copyFrom(m);
  ASSERT_TRUE(parseProfile(formatProfile(written), session.current()));
  session.primeLastSent();
  session.forceFullSend();
  session.dispatchPendingSends();
  const auto sent = reportsSent();
  ASSERT_FALSE(sent.empty());
  EXPECT_EQ(sent.back(), reportOf("0C 01 0E 00 ?? 01 07 01 30 32 04 B0 00 04", sent.back()[4]));
}

// A macro deleted from the library while the program was closed: the mouse still plays it until
// the button is sent unassigned.
TEST_F(Session, ButtonWhoseMacroLeftTheLibraryIsSentUnassignedAfterStartUp) {
  auto& key = session.current().keys[1];
  key.Value = {0x90, 0x21, 0x01};
  key.MacroKeyIndex = 9;
  key.Macro.copyFrom(aPressDelayRelease(9));
  session.primeLastSent();
  EXPECT_EQ(key.Value, AssignmentCode{});
  const auto want = expected({"0C 01 04 00 ?? 01 04 01 00 00 00"});
  session.dispatchPendingSends();  // the one the scan scheduled
  EXPECT_EQ(reportsSent(), want);
}

TEST_F(Session, MouseButtonEventUpdatesProfileAndIsNeverEchoed) {
  session.forceFullSend();
  session.dispatchPendingSends();
  mouse->clearReceived();
  host.timers.clear();
  Report event{};
  event[0] = 0x05, event[1] = 0x06, event[3] = 0x02, event[4] = 0x03;
  session.onDeviceEvent(event);
  EXPECT_EQ(session.current().CurrentDPILevel, 2);
  EXPECT_EQ(session.current().PollingRateValue, (ByteTriple{2, 0, 0}));
  EXPECT_EQ(session.current().PollingRateName, u"500Hz");
  EXPECT_EQ(host.osds, 1);
  EXPECT_EQ(host.timers.at(TimerId::SaveProfiles), 10000u) << "saved as after an edit";
  markAll();
  session.dispatchPendingSends();
  EXPECT_TRUE(mouse->received().empty());
}

struct EventCase {
  std::uint8_t levelByte, pollingByte, level;  // level 1 is what the profile held before
  const char16_t* pollingName;
};
class EventLevel : public Session, public testing::WithParamInterface<EventCase> {};

TEST_P(EventLevel, NamesAnEnabledLevelOrKeepsTheOldOne) {
  session.current().CurrentDPILevel = 1;
  Report event{};
  event[0] = 0x05, event[1] = 0x06;
  event[3] = GetParam().pollingByte, event[4] = GetParam().levelByte;
  session.onDeviceEvent(event);
  EXPECT_EQ(session.current().CurrentDPILevel, GetParam().level);
  EXPECT_EQ(session.current().PollingRateName, GetParam().pollingName);
}

INSTANTIATE_TEST_SUITE_P(Table, EventLevel,
                         testing::Values(EventCase{0x00, 0x09, 1, u"1000Hz"},
                                         EventCase{0x08, 0x08, 7, u"125Hz"},
                                         EventCase{0x09, 0x04, 1, u"250Hz"}));

TEST_F(Session, EventsFromTheMouseFlowThroughTheReaderIntoTheProfile) {
  while (bus.waitingReaders(cablePlug) < 1) std::this_thread::yield();
  session.forceFullSend();
  session.dispatchPendingSends();
  mouse->clearReceived();
  bus.pressDpiButton(cablePlug);
  while (host.osds == 0) ui.waitAndRun(std::chrono::milliseconds(10));
  EXPECT_EQ(session.current().CurrentDPILevel, mouse->decoded().currentLevel);
  EXPECT_TRUE(mouse->received().empty());
}

TEST_F(Session, LinkFlagShowsAndMinimisesOnlyWhatItShowed) {
  session.setWindowShown(false);
  session.parseStatus(answer(0x25, 50, 0, 1));
  EXPECT_TRUE(session.windowShown() && session.status().shownByLink && session.status().linkActive);
  EXPECT_EQ(host.shows, 1);
  session.parseStatus(answer(0x25, 50, 0, 0));
  EXPECT_EQ(host.minimises, 1);
  EXPECT_FALSE(session.status().shownByLink);
  session.parseStatus(answer(0x25, 50, 0, 0));  // shown by the user now: left alone
  EXPECT_EQ(host.minimises, 1);
}

TEST_F(Session, AnswerWithoutIdentificationNeverTouchesTheLinkFlag) {
  session.parseStatus(answer(0x25, 50, 0, 1));
  session.parseStatus(answer(0x25, 50, 0, 0, "ABCD"));
  EXPECT_TRUE(session.status().linkActive);
}

TEST_F(Session, InvalidAnswersChangeNothing) {
  const SessionStatus before = session.status();
  auto a = answer(0x04, 99, 1, 1);
  a[2] = 0x21;
  session.parseStatus(a);
  a = answer(0x04, 99, 1, 1);
  a[3] = 0x01;
  session.parseStatus(a);
  EXPECT_EQ(session.status().batteryPercent, before.batteryPercent);
  EXPECT_EQ(session.status().rawSensorCode, before.rawSensorCode);
  EXPECT_EQ(session.status().chargeState, 0);
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

// The new defaults reach the mouse at once: 0x3104's first five steps 4, 15, 23, 31, 39.
TEST_F(Session, SensorChangeReappliesDpiDefaultsOnceAndSendsThem) {
  session.dispatchPendingSends();
  session.primeLastSent();
  mouse->clearReceived();
  host.timers.clear();
  table.record(2)->XYSetting[0] = 99;
  session.parseStatus(answer(0x25, 50, 0, 1));  // same as configured
  EXPECT_TRUE(host.sensorChanges.empty());
  EXPECT_EQ(host.timers.count(TimerId::SendDispatch), 0u);
  session.parseStatus(answer(0x04, 50, 0, 1));
  session.parseStatus(answer(0x04, 50, 0, 1));
  EXPECT_EQ(host.sensorChanges, std::vector<std::uint16_t>{0x3104});
  EXPECT_EQ(table.sensorModel.word, 0x3104);
  EXPECT_NE(table.record(2)->XYSetting[0], 99);
  EXPECT_EQ(host.timers.count(TimerId::SendDispatch), 1u);
  const auto want = expected({"0C 01 05 00 ?? 01 12 25 1F 04 00 0F 00 17 00 1F 00 27 00"});
  session.dispatchPendingSends();
  EXPECT_EQ(reportsSent(), want);
}

TEST_F(Session, UnlistedSensorCodeKeepsModelAndProfiles) {
  const ProfileRecord before = *table.record(0);
  session.parseStatus(answer(0x55, 50, 0, 1));
  session.parseStatus(answer(0x55, 50, 0, 1));
  EXPECT_EQ(table.sensorModel.word, 0x3325);
  EXPECT_TRUE(host.sensorChanges.empty());
  EXPECT_EQ(*table.record(0), before);
  EXPECT_EQ(session.status().rawSensorCode, 0x55);
}

TEST_F(Session, PollReadsStatusEveryTwentyFirstTickWhileShown) {
  while (session.pollTick() != 0) session.onPollTimer();
  mouse->clearReceived();
  for (int i = 0; i < 20; ++i) session.onPollTimer();
  EXPECT_TRUE(mouse->received().empty());
  session.onPollTimer();
  EXPECT_EQ(mouse->received().size(), 1u);
  EXPECT_EQ(session.pollTick(), 0);
  session.setWindowShown(false);
  host.battery.clear();
  for (int i = 0; i < 21; ++i) session.onPollTimer();
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
  while (session.pollTick() != 20) session.onPollTimer();
  session.onPollTimer();
  EXPECT_EQ(session.pollTick(), 19);
  while (bus.waitingReaders(cablePlug) < 1) std::this_thread::yield();
  EXPECT_TRUE(link->readerRunning(Product::Cable));
}

struct NoticeCase {
  bool cable, receiver, linked;
  std::optional<DeviceNotice> notice;
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
  Report linked{};
  linked[2] = 0x20, linked[6] = 0x10, linked[21] = GetParam().linked;
  for (int i = 0; i < 4; ++i) linked[8 + i] = static_cast<std::uint8_t>("T7K4"[i]);
  session.parseStatus(linked);
  host.timers[TimerId::NoDeviceCheck] = 2000;
  session.onNoDeviceCheck();
  EXPECT_EQ(host.timers.count(TimerId::NoDeviceCheck), 0u);
  if (!GetParam().notice) {
    EXPECT_TRUE(host.notices.empty());
  } else {
    EXPECT_EQ(host.notices, std::vector<DeviceNotice>{*GetParam().notice});
  }
}
INSTANTIATE_TEST_SUITE_P(Table, NoDeviceCheck,
                         testing::Values(NoticeCase{true, false, false, std::nullopt},
                                         NoticeCase{false, true, true, std::nullopt},
                                         NoticeCase{false, true, false,
                                                    DeviceNotice::ReceiverWithoutMouse},
                                         NoticeCase{false, false, false, DeviceNotice::NoDevice},
                                         NoticeCase{true, true, false, std::nullopt}));

TEST_F(Session, FactoryResetRestoresTheProfileButItsName) {
  auto& p = session.current();
  p.pairs[0].value = u"Mine";
  p.setKeyDebounce(3);
  const auto want = expected({"0C 01 0F 00 ?? 01 01 FF"});
  EXPECT_TRUE(session.resetDeviceAndProfile());
  EXPECT_EQ(reportsSent(), want);
  EXPECT_EQ(p.pairs[0].value, u"Mine");
  EXPECT_EQ(p.number(Setting::KeyDebounce), 12);
  EXPECT_EQ(host.profileResets, 1);
  EXPECT_EQ(host.progress, 1);
  session.markPending(SettingGroup::Performance);
  session.dispatchPendingSends();
  EXPECT_EQ(mouse->received().size(), 1u);  // primed: nothing follows the reset
}

// A reset that reaches no mouse is a failure: the profile stays and no progress is shown.
TEST_F(Session, FactoryResetThatFailsToSendChangesNothing) {
  auto& p = session.current();
  p.setKeyDebounce(3);
  mouse->setFaults({.failSet = true});
  const HidResult sent = session.resetDeviceAndProfile();
  EXPECT_FALSE(sent);
  EXPECT_FALSE(sent.error.empty());
  EXPECT_EQ(p.number(Setting::KeyDebounce), 3);
  EXPECT_EQ(host.profileResets, 0);
  EXPECT_EQ(host.progress, 0);
}

}  // namespace
}  // namespace pelorin
