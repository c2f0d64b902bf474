#include <gtest/gtest.h>

#include "device/device_session.h"
#include "support/device_fixture.h"
#include "support/profile_fixture.h"

namespace pelorin {
namespace {

using test::DeviceFixture;

class Discovery : public testing::Test, public DeviceFixture {
 protected:
  void SetUp() override { link->registerDeviceNotifications(); }
  ProductConnection& cable() { return link->connection(Product::Cable); }
  ProductConnection& receiver() { return link->connection(Product::Receiver); }
  void waitForReaders(int plug, int count = 1) {
    while (bus.waitingReaders(plug) < count) std::this_thread::yield();
  }
  LanguageTable texts = test::sampleTexts();
  ProfileTable table = test::factoryProfiles(texts);
  MacroLibrary library;
  DeviceSession session{*link, host, table, library, texts};
};

TEST_F(Discovery, FindsCommandAndEventInterfacesOfBothProducts) {
  bus.plug(SimProduct::Cable, mouse);
  bus.plug(SimProduct::Receiver, mouse);
  link->scanDevices();
  EXPECT_TRUE(link->anyPresent());
  EXPECT_TRUE(cable().present);
  EXPECT_TRUE(receiver().present);
  EXPECT_EQ(cable().commandIndex, 2);
  EXPECT_EQ(cable().eventIndex, 1);
  EXPECT_EQ(receiver().commandIndex, 5);
  EXPECT_EQ(link->commandProduct(), Product::Cable);
  EXPECT_EQ(host.timers.at(TimerId::StatusPoll), 1000u);
  EXPECT_EQ(host.timers.at(TimerId::SendDispatch), 20u);
  EXPECT_TRUE(session.isPending(SettingGroup::Buttons));
  EXPECT_TRUE(session.isPending(SettingGroup::Performance));
  EXPECT_TRUE(session.isPending(SettingGroup::Power));
  EXPECT_FALSE(session.isPending(SettingGroup::MotionWakeup));
  EXPECT_TRUE(cable().changed && receiver().changed);
}

TEST_F(Discovery, NothingPresentStartsNoPollTimer) {
  link->scanDevices();
  EXPECT_FALSE(link->anyPresent());
  EXPECT_EQ(host.timers.count(TimerId::StatusPoll), 0u);
  EXPECT_FALSE(link->hasCommandHandle());
}

TEST_F(Discovery, OtherVendorIsIgnored) {
  bus.plug(SimProduct::Cable, mouse, {.vendorId = 0x1234});
  link->scanDevices();
  EXPECT_FALSE(link->anyPresent());
}

TEST_F(Discovery, InterfaceWithBothLengthsIsTheEventInterfaceOnly) {
  // The event interface also reports a feature length of 33 and comes first: it must not be taken
  // as the command interface, which is found at its own index.
  bus.plug(SimProduct::Cable, mouse, {.eventInterfaceHasFeature33 = true});
  link->scanDevices();
  EXPECT_EQ(cable().eventIndex, 1);
  EXPECT_EQ(cable().commandIndex, 2);
}

TEST_F(Discovery, SecondMouseOfTheSameProductIsIgnoredUntilTheFirstGoes) {
  auto other = std::make_shared<SimMouse>();
  const int first = bus.plug(SimProduct::Cable, mouse);
  bus.plug(SimProduct::Cable, other);
  link->scanDevices();
  const std::string firstPath = cable().commandPath;
  ASSERT_TRUE(
      link->sendReport(DeviceCommand::SetDebounce, 1, 1, std::array<std::uint8_t, 1>{8}).ok());
  EXPECT_EQ(mouse->settings().debounce, 8);
  EXPECT_EQ(other->settings().debounce, 4);  // untouched factory value

  link->scanDevices();  // a rescan keeps the first mouse
  EXPECT_EQ(cable().commandPath, firstPath);

  bus.unplug(first);
  link->scanDevices();  // the stored path is gone: the product counts absent and the path empties
  EXPECT_FALSE(cable().present);
  EXPECT_TRUE(cable().commandPath.empty());
  link->scanDevices();  // the next scan takes whatever it meets first
  EXPECT_TRUE(cable().present);
  EXPECT_NE(cable().commandPath, firstPath);
  ASSERT_TRUE(
      link->sendReport(DeviceCommand::SetDebounce, 1, 1, std::array<std::uint8_t, 1>{2}).ok());
  EXPECT_EQ(other->settings().debounce, 2);
}

TEST_F(Discovery, ReplugOnAnotherPortGetsTheNewPathThroughRemovalAndArrival) {
  const int plug = bus.plug(SimProduct::Receiver, mouse);
  link->scanDevices();
  const std::string oldPath = receiver().commandPath;
  bus.unplug(plug);
  bus.plug(SimProduct::Cable, mouse);  // keeps the program alive
  ui.runPending();
  const int replugged = bus.plug(SimProduct::Receiver, mouse);
  ui.runPending();
  EXPECT_TRUE(receiver().present);
  EXPECT_NE(receiver().commandPath, oldPath);
  EXPECT_EQ(receiver().commandPath, bus.enumerate()[5].path);
  (void)replugged;
}

TEST_F(Discovery, ReportsFollowTheCableWhenItArrives) {
  bus.plug(SimProduct::Receiver, mouse);
  ui.runPending();
  link->scanDevices();
  std::array<std::uint8_t, 1> payload{4};
  link->sendReport(DeviceCommand::SetDebounce, 1, 1, payload);
  bus.plug(SimProduct::Cable, mouse);
  ui.runPending();
  link->sendReport(DeviceCommand::SetDebounce, 1, 1, payload);
  const auto sent = settingReports();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].via, "receiver");
  EXPECT_EQ(sent[1].via, "cable");
}

TEST_F(Discovery, NoHandleMeansNothingIsBuiltOrSent) {
  const auto before = link->sequence();
  EXPECT_FALSE(
      link->sendReport(DeviceCommand::SetDebounce, 1, 1, std::array<std::uint8_t, 1>{1}).ok());
  EXPECT_EQ(link->sequence(), before);
  EXPECT_TRUE(mouse->received().empty());
}

TEST_F(Discovery, SequenceStartsAtOneAndWrapsAfter256Reports) {
  bus.plug(SimProduct::Cable, mouse);
  link->scanDevices();
  std::array<std::uint8_t, 1> payload{1};
  for (int i = 0; i < 257; ++i) link->sendReport(DeviceCommand::SetDebounce, 1, 1, payload);
  const auto sent = mouse->received();
  ASSERT_EQ(sent.size(), 257u);
  EXPECT_EQ(sent[0].bytes[4], 1);
  EXPECT_EQ(sent[254].bytes[4], 0xFF);
  EXPECT_EQ(sent[255].bytes[4], 0x00);
  EXPECT_EQ(sent[256].bytes[4], 1);
}

TEST_F(Discovery, ArrivalWhileBothPresentDoesNotScan) {
  bus.plug(SimProduct::Cable, mouse);
  bus.plug(SimProduct::Receiver, mouse);
  link->scanDevices();
  host.timers.clear();
  link->onDeviceChange(HidChange::Arrival);
  EXPECT_TRUE(host.timers.empty());
  EXPECT_EQ(host.refreshes, 0);
}

TEST_F(Discovery, FirstArrivalReadsTheStatusOnceAndSetsThePollTick) {
  int answers = 0;
  link->handlers().status = [&](const Report&) { ++answers; };
  bus.plug(SimProduct::Receiver, mouse);
  ui.runPending();
  EXPECT_EQ(answers, 1);
  EXPECT_EQ(session.pollTick(), 19);
  EXPECT_EQ(host.refreshes, 2);
  bus.plug(SimProduct::Cable, mouse);
  ui.runPending();
  EXPECT_EQ(answers, 1);
}

TEST_F(Discovery, RemovingOneProductKeepsRunningRemovingTheLastQuits) {
  const int c = bus.plug(SimProduct::Cable, mouse);
  const int r = bus.plug(SimProduct::Receiver, mouse);
  ui.runPending();
  bus.unplug(c);
  ui.runPending();
  EXPECT_FALSE(cable().handle);
  EXPECT_TRUE(receiver().handle);
  EXPECT_EQ(host.quits, 0);
  bus.unplug(r);
  ui.runPending();
  EXPECT_EQ(host.quits, 1);
  EXPECT_EQ(host.hides, 1);
  EXPECT_EQ(host.popupCloses, 1);
  EXPECT_FALSE(session.windowShown());
}

TEST_F(Discovery, CommandHandleOfTheWrongProductIsClosed) {
  // A receiver whose interfaces move under the stored index: the handle opener checks the ids.
  bus.plug(SimProduct::Cable, mouse);
  link->scanDevices();
  EXPECT_TRUE(cable().handle);
  cable().handle.reset();
  cable().commandIndex = 5;  // nothing there
  link->scanDevices();
  EXPECT_TRUE(cable().present);
  EXPECT_FALSE(cable().handle);
}

TEST_F(Discovery, ReaderThatCannotReadLeavesBusyClearAndEventPathEmpty) {
  mouse->setFaults({.failRead = true});
  bus.plug(SimProduct::Cable, mouse);
  link->scanDevices();
  while (link->readerRunning(Product::Cable)) std::this_thread::yield();
  std::lock_guard lock(cable().readerMutex);
  EXPECT_TRUE(cable().eventPath.empty());
}

TEST_F(Discovery, EventsReachTheHandlerOnlyOnTheUiThread) {
  std::vector<Report> events;
  link->handlers().event = [&](const Report& r) { events.push_back(r); };
  const int plug = bus.plug(SimProduct::Cable, mouse);
  ui.runPending();
  waitForReaders(plug);
  SimReport ignored{};
  ignored[0] = 0x05, ignored[1] = 0x07;
  bus.sendEvent(plug, ignored);
  SimReport event{};
  event[0] = 0x05, event[1] = 0x06, event[3] = 0x04, event[4] = 0x02;
  bus.sendEvent(plug, event);
  while (events.empty()) ui.waitAndRun(std::chrono::milliseconds(10));
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0][3], 0x04);
  EXPECT_EQ(events[0][4], 0x02);
}

// A report cut short after a whole one must not reach the handler with the whole one's bytes.
TEST_F(Discovery, ShortReadNeverCarriesBytesOfAnEarlierReport) {
  std::vector<Report> events;
  link->handlers().event = [&](const Report& r) { events.push_back(r); };
  const int plug = bus.plug(SimProduct::Cable, mouse);
  ui.runPending();
  waitForReaders(plug);
  const std::vector<std::uint8_t> whole{0x05, 0x06, 0x00, 0x04, 0x03};
  const std::vector<std::uint8_t> cut{0x05, 0x06};
  const std::vector<std::uint8_t> next{0x05, 0x06, 0x00, 0x08, 0x01};
  bus.sendEvent(plug, whole);
  bus.sendEvent(plug, cut);
  bus.sendEvent(plug, next);
  while (events.size() < 2) ui.waitAndRun(std::chrono::milliseconds(10));
  ui.runPending();
  ASSERT_EQ(events.size(), 2u);
  Report first{}, second{};
  std::copy(whole.begin(), whole.end(), first.begin());
  std::copy(next.begin(), next.end(), second.begin());
  EXPECT_EQ(events[0], first);
  EXPECT_EQ(events[1], second);
}

TEST_F(Discovery, ManyEventsFromBothReadersAreHandedOverWithoutLoss) {
  int handled = 0;
  link->handlers().event = [&](const Report&) { ++handled; };
  const int c = bus.plug(SimProduct::Cable, mouse);
  const int r = bus.plug(SimProduct::Receiver, mouse);
  ui.runPending();
  waitForReaders(c);
  waitForReaders(r);
  std::thread presser([&] {
    for (int i = 0; i < 200; ++i) {
      bus.pressDpiButton(c);
      bus.pressPollingButton(r);
    }
  });
  while (handled < 400) ui.waitAndRun(std::chrono::milliseconds(10));
  presser.join();
  EXPECT_EQ(handled, 400);
}

TEST_F(Discovery, DestroyingTheLinkStopsBlockedReaders) {
  const int plug = bus.plug(SimProduct::Cable, mouse);
  ui.runPending();
  waitForReaders(plug);
  link.reset();
  EXPECT_EQ(bus.waitingReaders(plug), 0);
}

TEST_F(Discovery, UnpluggedReaderEndsAndThePollScanRestartsIt) {
  const int plug = bus.plug(SimProduct::Cable, mouse);
  ui.runPending();
  waitForReaders(plug);
  bus.unplug(plug);
  while (link->readerRunning(Product::Cable)) std::this_thread::yield();
  const int again = bus.plug(SimProduct::Cable, mouse);
  ui.runPending();
  waitForReaders(again);
  EXPECT_TRUE(link->readerRunning(Product::Cable));
}

}  // namespace
}  // namespace pelorin
