// The on-screen display, the power dial of the main window, the firmware reset flow and the
// program's two small dialogs, on the headless host with the simulated mouse.
#include <filesystem>

#include "app/attention_dlg.h"
#include "app/osd_dialog.h"
#include "app/progress_bar_dlg.h"
#include "main_window_fixture.h"
#include "platform/virtual_keys.h"
#include "skin/battery.h"

namespace pelorin::testing {
namespace {

// Where the screenshots of the displays go; the folder may not exist yet.
std::filesystem::path screenFile(const char* name) {
  const std::filesystem::path folder(PELORIN_SCREEN_DIR);
  std::filesystem::create_directories(folder);
  return folder / name;
}

struct OsdCase {
  std::uint16_t sensor;
  std::uint8_t mask;
  int deviceLevel;
  int level;  // the level whose step is set
  std::uint16_t step;
  std::uint8_t rate;
  OsdTexts want;
};

class OsdTextsTest : public ::testing::TestWithParam<OsdCase> {};

// 0x3325 steps by 2 units of 50 DPI from 4 (step 15 is 34 units), then 110, 120, 128, 140..200;
// 0x3395 steps by one unit from 1.
TEST_P(OsdTextsTest, NameTheEnabledLevelItsResolutionAndTheRate) {
  const OsdCase c = GetParam();
  DpiStepTable steps;
  ASSERT_TRUE(steps.rebuild(c.sensor));
  ProfileRecord profile;
  profile.DPIOffOnFlag = c.mask;
  profile.XYSetting[static_cast<std::size_t>(c.level)] = c.step;
  profile.PollingRateValue = {c.rate, 0, 0};
  EXPECT_EQ(osdTexts(profile, c.deviceLevel, steps), c.want);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OsdTextsTest,
    ::testing::Values(OsdCase{0x3325, 0x1D, 1, 2, 15, 2, {u"DPI-3", u"1700", u"500Hz"}},
                      OsdCase{0x3325, 0x1D, 3, 4, 0, 0, {u"DPI-5", u"200", u"125Hz"}},
                      OsdCase{0x3325, 0x80, 0, 7, 51, 1, {u"DPI-8", u"6400", u"250Hz"}},
                      // fewer levels enabled than the mouse reports: the first level
                      OsdCase{0x3325, 0x1D, 4, 0, 58, 3, {u"DPI-1", u"10000", u"1000Hz"}},
                      // a step past the table shows the table's last resolution
                      OsdCase{0x3325, 0x01, 0, 0, 300, 7, {u"DPI-1", u"10000", u"1000Hz"}},
                      OsdCase{0x3395, 0xFF, 7, 7, 239, 9, {u"DPI-8", u"12000", u"1000Hz"}}));

TEST(OsdPlaces, ValueByLengthAndFaceRateByLength) {
  const std::u16string_view songTi = u"\u5B8B\u4F53";
  struct Row {
    std::u16string_view value, face;
    int x;
  };
  for (const Row& r :
       {Row{u"12000", u"Tahoma", 16}, Row{u"1600", u"Tahoma", 34}, Row{u"800", u"Tahoma", 50},
        Row{u"12000", songTi, 34}, Row{u"1600", songTi, 44}, Row{u"400", songTi, 50}}) {
    EXPECT_EQ(osdValueLeft(r.value, r.face), r.x) << std::string(r.value.begin(), r.value.end());
  }
  EXPECT_EQ(osdRateLeft(u"1000Hz"), 50);
  EXPECT_EQ(osdRateLeft(u"500Hz"), 57);
}

// An event report of the mouse: byte 3 the polling interval, byte 4 the level (1-based among the
// enabled ones).
Report eventReport(std::uint8_t interval, std::uint8_t level) {
  Report report{};
  report[0] = 0x05;
  report[1] = 0x06;
  report[3] = interval;
  report[4] = level;
  return report;
}

std::vector<WindowId> osdWindows(SimWindowSystem& host) {
  std::vector<WindowId> found;
  for (WindowId id : host.windows()) {
    if (host.findSim(id)->kind() == WindowKind::Osd) found.push_back(id);
  }
  return found;
}

class OsdAtScale : public MainWindowTest, public ::testing::WithParamInterface<float> {};

// The default screen's work area ends at 1920 x 1040. A second report a second later renews the
// one display, which goes 1.5 to 1.8 s after the last report, never taking the focus.
TEST_P(OsdAtScale, ShowsTheMousesChangeInTheCornerThenCloses) {
  const float s = GetParam();
  start(s, [](AppData& d) {
    d.profiles.record(0)->DPIOffOnFlag = 0x1D;
    d.profiles.record(0)->XYSetting[2] = 15;
    d.profiles.record(0)->XYSetting[0] = 0;
  });
  const WindowId main = host.activeWindow();
  window->session().onDeviceEvent(eventReport(2, 2));
  settle();
  ASSERT_NE(window->onScreenDisplay(), nullptr);
  EXPECT_EQ(window->onScreenDisplay()->texts(), (OsdTexts{u"DPI-3", u"1700", u"500Hz"}));
  const auto shown = osdWindows(host);
  ASSERT_EQ(shown.size(), 1u);
  SimWindow& osd = *host.findSim(shown[0]);
  const int w = static_cast<int>(180 * s);
  const int h = static_cast<int>(140 * s);
  EXPECT_EQ(osd.frame(), (Rect{1920 - w, 1040 - h, 1920, 1040}));
  EXPECT_TRUE(osd.isVisible());
  EXPECT_TRUE(osd.topmost());
  EXPECT_EQ(osd.alpha(), 128);
  EXPECT_EQ(host.activeWindow(), main);
  osd.paintIfDirty();
  EXPECT_EQ(osd.pixel(2, 2), 0xA449A4u);
  EXPECT_TRUE(osd.savePng(screenFile(s == 1.0f ? "osd_1.png" : "osd_1.5.png")));

  advance(1000);
  window->session().onDeviceEvent(eventReport(8, 1));
  settle();
  EXPECT_EQ(osdWindows(host), shown);
  EXPECT_EQ(window->onScreenDisplay()->texts(), (OsdTexts{u"DPI-1", u"200", u"125Hz"}));
  advance(1500);
  EXPECT_EQ(osdWindows(host), shown);
  advance(300);
  EXPECT_TRUE(osdWindows(host).empty());
  EXPECT_EQ(window->onScreenDisplay(), nullptr);
  EXPECT_EQ(host.activeWindow(), main);
}

INSTANTIATE_TEST_SUITE_P(Scales, OsdAtScale, ::testing::Values(1.0f, 1.5f));

struct BatteryCase {
  std::uint8_t percent;  // status answer byte 18
  std::uint8_t charge;   // byte 19
  std::u16string_view text;
  bool textShown;
  int drawnCharge;
};

class BatteryStates : public MainWindowTest, public ::testing::WithParamInterface<BatteryCase> {};

// The indicator and its percentage follow the status answer at the next poll tick; the
// percentage hides while charging and reads 100 % once full.
TEST_P(BatteryStates, FollowTheStatusAtTheNextTick) {
  const BatteryCase c = GetParam();
  start();
  bus->simMouse()->setStatus(SimStatus{.batteryPercent = c.percent, .chargeState = c.charge});
  window->link().requestStatus();
  settle();
  advance(1000);
  const CControlBase* text = window->findControl(3405);
  EXPECT_EQ(text->text(), c.text);
  EXPECT_EQ(text->shown(), c.textShown);
  EXPECT_EQ(static_cast<const CBattery*>(window->findControl(CBattery::kId))->chargeState(),
            c.drawnCharge);
}

INSTANTIATE_TEST_SUITE_P(Table, BatteryStates,
                         ::testing::Values(BatteryCase{57, 0, u"57%", true, 0},
                                           BatteryCase{150, 0, u"0%", true, 0},
                                           BatteryCase{30, 1, u"30%", false, 1},
                                           BatteryCase{30, 2, u"100%", true, 2},
                                           BatteryCase{30, 7, u"30%", true, 0}));

// The report as traced, without its rolling sequence byte.
std::string withoutSequence(const std::string& report) {
  return report.substr(0, 12) + report.substr(15);
}

// A report written without its sequence byte, padded with zeros to the full 33 bytes.
std::string padded(std::string bytes) {
  while (bytes.size() < 32 * 3 - 1) bytes += " 00";
  return bytes;
}

// The sector between (17, 32) and (40, 13), the third from the left, is 5 minutes; the
// lights-off option goes with it in the power report, motion wake-up (on by default) alone.
TEST_F(MainWindowTest, PowerAreaSetsTheProfileAndSendsItsReports) {
  start();
  sent.clear();
  click(81 + 34, 550 + 29);
  EXPECT_EQ(data->profiles.record(0)->number(Setting::PowerDownTime), 5);
  EXPECT_EQ(window->findControl(3407)->text(), text(266) + u"5" + text(267));
  advance(30);
  click(52, 660);
  advance(30);
  click(52, 680);
  advance(30);
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(withoutSequence(sent[0]), padded("0C 01 0B 00 01 02 05 00"));
  EXPECT_EQ(withoutSequence(sent[1]), padded("0C 01 0B 00 01 02 05 01"));
  EXPECT_EQ(withoutSequence(sent[2]), padded("0C 01 0C 00 01 01 00"));
  const SimDecoded mouse = bus->simMouse()->decoded();
  EXPECT_EQ(mouse.powerDownTime, 5);
  EXPECT_EQ(mouse.lightsOffWhileMoving, 1);
  EXPECT_EQ(mouse.motionWakeup, 0);
}

// Runs the steps one per turn of a modal dialog's loop, then lets virtual time run in 10 ms
// steps for the animations; the loops end when their dialogs do. Returns the ticks left over.
std::shared_ptr<int> scriptModal(SimWindowSystem& host, std::vector<std::function<void()>> steps,
                                 int idleTicks) {
  auto next = std::make_shared<std::size_t>(0);
  auto ticks = std::make_shared<int>(idleTicks);
  host.setIdleHandler([&host, steps = std::move(steps), next, ticks]() {
    if (*next < steps.size()) {
      steps[(*next)++]();
    } else if ((*ticks)-- > 0) {
      host.advance(std::chrono::milliseconds(10));
    } else {
      return false;
    }
    host.runPending();
    return true;
  });
  return ticks;
}

// A design point of the topmost modal dialog.
void clickDialog(SimWindowSystem& host, int x, int y) {
  for (WindowId id : host.windows()) {
    SimWindow* w = host.findSim(id);
    if (w->kind() == WindowKind::Modal) host.clickLeft(w->frame().left + x, w->frame().top + y);
  }
}

TEST_F(MainWindowTest, FactoryResetAsksThenResetsTheMouseAndTheCurrentProfile) {
  start();
  ProfileRecord& profile = *data->profiles.record(0);
  profile.pairs[0].value = u"Mine";
  profile.setKeyDebounce(4);
  profile.setPowerDownTime(9);
  const ProfileRecord edited = profile;
  sent.clear();
  const auto key = [this](int vk) {
    host.key(vk, true);
    host.key(vk, false);
  };
  // Escape is swallowed; the cancel button ends the question with nothing sent.
  bool askedAfterEscape = false;
  bool askedAfterCancel = false;  // a step that runs only while the question is still open
  scriptModal(host,
              {[&] { key(vk::kEscape); },
               [&] {
                 askedAfterEscape = host.windows().size() == 2;
                 SimWindow& question = *host.findSim(host.windows().back());
                 question.paintIfDirty();
                 question.savePng(screenFile("reset_1.png"));
               },
               [&] { clickDialog(host, 355, 115); }, [&] { askedAfterCancel = true; }},
              0);
  click(1045, 705);
  EXPECT_TRUE(askedAfterEscape);
  EXPECT_FALSE(askedAfterCancel);
  EXPECT_TRUE(sent.empty());
  EXPECT_EQ(*data->profiles.record(0), edited);

  TempDir fresh;
  std::string error;
  const auto defaults = loadAppData(fresh.path(), PELORIN_BIN_DIR, 1.0, error);
  ASSERT_TRUE(defaults) << error;
  ProfileRecord want = *defaults->profiles.record(0);
  want.pairs[0].value = u"Mine";
  const auto ticksLeft = scriptModal(host, {[&] { key(vk::kReturn); }}, 100);
  click(1045, 705);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(withoutSequence(sent[0]), padded("0C 01 0F 00 01 01 FF"));
  EXPECT_EQ(bus->simMouse()->settings().factoryResets, 1);
  EXPECT_EQ(*data->profiles.record(0), want);
  EXPECT_GT(*ticksLeft, 0) << "the progress animation closed by itself";
  const auto reloaded = loadAppData(dataDir.path(), PELORIN_BIN_DIR, 1.0, error);
  ASSERT_TRUE(reloaded);
  EXPECT_EQ(*reloaded->profiles.record(0), want) << "saved to its file";
  advance(30);
  EXPECT_EQ(sent.size(), 1u) << "the reset profile counts as sent";
}

// The bar grows 2 % every 10 ms and the dialog closes itself 20 ms after it is full.
TEST_F(MainWindowTest, ProgressAnimationClosesByItself) {
  start();
  CProgressBarDlg progress(*skin, text(146));
  const auto began = host.now();
  std::chrono::milliseconds halfway{};
  host.setIdleHandler([&] {
    host.advance(std::chrono::milliseconds(10));
    if (progress.progress() == 50 && halfway.count() == 0) {
      halfway = host.now() - began;
      SimWindow& shown = *host.findSim(progress.windowId());
      shown.paintIfDirty();
      EXPECT_TRUE(shown.savePng(screenFile("progress_1.png")));
    }
    return host.now() - began < std::chrono::seconds(2);
  });
  EXPECT_EQ(progress.doModal(WindowKind::Modal, window->windowId()), 1);
  EXPECT_EQ(progress.progress(), 100);
  EXPECT_EQ(halfway, std::chrono::milliseconds(250));
  EXPECT_EQ(host.now() - began, std::chrono::milliseconds(520));
}

// Modal, OK ends it with 1; the notice stays modeless and above the other windows.
TEST_F(MainWindowTest, AttentionDialogModalAndAsNotice) {
  start();
  CAttentionDlg modal(*skin, text(150), text(155), text(4));
  host.setIdleHandler([&] {
    const Rect frame = host.findSim(modal.windowId())->frame();
    host.clickLeft(frame.left + 245, frame.top + 75);
    return true;
  });
  EXPECT_EQ(modal.doModal(WindowKind::Modal, window->windowId()), 1);
  host.setIdleHandler({});
  CAttentionDlg notice(*skin, text(150), text(156), text(4));
  ASSERT_TRUE(notice.showNotice());
  SimWindow& shown = *host.findSim(notice.windowId());
  EXPECT_EQ(shown.frame().width(), 319);
  EXPECT_EQ(shown.frame().height(), 102);
  EXPECT_TRUE(shown.topmost());
  EXPECT_NE(shown.kind(), WindowKind::Modal);
}

}  // namespace
}  // namespace pelorin::testing
