// The main window on the headless host: its controls and their owners, the groups and the
// right-hand column at three scales, the slot bar, visibility, notices, shutdown and pictures.
#include <filesystem>
#include <fstream>
#include <set>

#include "app/attention_dlg.h"
#include "app/message_table.h"
#include "common/utf.h"
#include "main_window_fixture.h"
#include "platform/virtual_keys.h"
#include "skin/check_button.h"

namespace pelorin::testing {
namespace {

using G = ControlGroup;

std::vector<int> createdIds(const CKestrinDlg& window) {
  std::vector<int> ids;
  for (const Page* page : window.pages()) {
    for (const auto* control : page->controls()) ids.push_back(control->id());
  }
  return ids;
}

TEST_F(MainWindowTest, EveryControlIsCreatedOnceAndHasAnOwner) {
  start();
  const std::vector<int> ids = createdIds(*window);
  // Window 30, DPI 40, lighting 21, polling 9, lift-off 4, debounce 3, pointer 19, combos 10,
  // power 6, battery 8.
  EXPECT_EQ(ids.size(), 150u);
  for (int id : ids) EXPECT_TRUE(messageOwner(id).has_value()) << id;
  const std::set<int> unique(ids.begin(), ids.end());
  for (int id : {2001, 2002, 2013, 2017, 2045, 2047, 2049, 2053, 2062, 2068, 2069, 2070, 2071,
                 3001, 3002, 3003, 3004, 3011, 3012, 3100, 3120, 3187, 3260, 3267, 3277, 3287,
                 3297, 3330, 3500, 3501, 3504, 3502, 3503, 3530, 3511, 2043, 2041, 2044}) {
    EXPECT_TRUE(unique.contains(id)) << id;
  }
  EXPECT_EQ(messageOwner(3120), MessageOwner::Lighting);
  EXPECT_EQ(messageOwner(2009), MessageOwner::Pointer);
  EXPECT_EQ(messageOwner(3030), MessageOwner::Polling);
  EXPECT_EQ(messageOwner(3511), MessageOwner::LiftOff);
  EXPECT_EQ(messageOwner(2999), MessageOwner::Window);
  EXPECT_FALSE(messageOwner(4000).has_value());
}

struct ColumnCase {
  float scale;
  Rect lightingHeader;  // after opening L with D and R open
  Rect lightingCombo;
  Rect pollingHeader;
};

class ColumnAtScale : public MainWindowTest, public ::testing::WithParamInterface<ColumnCase> {};

// D and R start open; a click on L opens it and closes R (the pair D, L is open), and the
// lighting controls move to 25 below their header.
TEST_P(ColumnAtScale, OpeningLightingClosesPollingAndPlacesItsControls) {
  const ColumnCase c = GetParam();
  start(c.scale);
  EXPECT_TRUE(window->openGroups().isOpen(G::Polling));
  click(850, 265);  // the lighting header below the open DPI group
  EXPECT_TRUE(window->openGroups().isOpen(G::Dpi));
  EXPECT_TRUE(window->openGroups().isOpen(G::Lighting));
  EXPECT_FALSE(window->openGroups().isOpen(G::Polling));
  simWindow().paintIfDirty();
  EXPECT_EQ(window->findControl(3002)->rect(), c.lightingHeader);
  EXPECT_EQ(window->findControl(3120)->rect(), c.lightingCombo);
  EXPECT_EQ(window->findControl(3004)->rect(), c.pollingHeader);
  EXPECT_TRUE(window->findControl(3120)->visible());
  EXPECT_FALSE(window->findControl(3030)->visible());
  EXPECT_TRUE(static_cast<CCheckButton*>(window->findControl(3002))->checked());
  EXPECT_FALSE(static_cast<CCheckButton*>(window->findControl(3004))->checked());
  EXPECT_FALSE(window->findControl(3012)->visible());
}

INSTANTIATE_TEST_SUITE_P(
    Scales, ColumnAtScale,
    ::testing::Values(
        ColumnCase{1.0f, {846, 263, 1108, 288}, {886, 299, 1075, 324}, {846, 473, 1108, 498}},
        ColumnCase{1.5f, {1269, 394, 1662, 432}, {1329, 448, 1612, 486}, {1269, 709, 1662, 747}},
        ColumnCase{2.0f, {1692, 526, 2216, 576}, {1772, 598, 2150, 648}, {1692, 946, 2216, 996}}));

TEST_F(MainWindowTest, SlotBarSelectsDeletesAndRefuses) {
  start();
  ASSERT_EQ(data->config.showList().count, 3);
  EXPECT_EQ(window->findControl(2071)->rect(), (Rect{300, 558, 346, 578}));
  EXPECT_FALSE(window->findControl(2052)->visible());
  data->profiles.record(1)->PollingRateValue[0] = 0;  // differs from what the mouse has
  sent.clear();
  click(310, 507);  // second slot
  EXPECT_EQ(data->config.currentProfile(), 1);
  advance(30);
  EXPECT_FALSE(sent.empty()) << "selecting a slot sends its profile";
  // The profile button lists the shown profiles 201 above itself; a row opens that profile's
  // actions beside it, and the chosen action runs from timer 60, 100 ms later.
  click(40, 705);
  click(40, 700 - 201 + 30);        // profile 1, the current one
  click(340, 700 - 201 + 25 + 80);  // its fourth action: delete
  advance(90);
  EXPECT_TRUE(notices.empty());
  advance(10);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], (Notice{text(150), text(152)}));
  // A right click on the third slot opens its actions 161 right of it and 20 above its bottom.
  click(310, 535, true);
  click(300 + 161 + 5, 551 - 20 + 80);
  advance(100);
  EXPECT_EQ(data->config.showList(), (ShowList{2, {0, 1, 3, 4, 2}}));
  EXPECT_FALSE(window->findControl(2051)->visible());
  EXPECT_EQ(window->findControl(2071)->rect(), (Rect{300, 558, 346, 578}));
  data->config.setShowList(ShowList{5, {0, 1, 2, 3, 4}});
  window->refreshFromProfile();
  simWindow().paintIfDirty();
  EXPECT_EQ(window->findControl(2071)->rect(), (Rect{300, 608, 346, 628}));
  click(305, 610);
  advance(100);
  EXPECT_EQ(notices.back(), (Notice{text(150), text(145)}));
}

TEST_F(MainWindowTest, CloseHidesAndTheSecondStartRestores) {
  bus->simMouse()->setStatus(SimStatus{.batteryPercent = 57});
  start();
  ASSERT_TRUE(simWindow().isVisible());
  advance(1000);
  EXPECT_EQ(window->findControl(3405)->text(), u"57%") << "the poll tick shows the battery";
  host.key(vk::kEscape, true);
  host.key(vk::kReturn, true);
  settle();
  EXPECT_TRUE(simWindow().isVisible()) << "Enter and Escape never close the window";
  click(1094, 14);
  EXPECT_FALSE(simWindow().isVisible());
  post(2999);
  EXPECT_TRUE(simWindow().isVisible());
}

struct NoMouseCase {
  bool cable, receiver;
  std::uint8_t linkFlag;
  int text;  // 0: no notice
};

class NoMouseNotice : public MainWindowTest, public ::testing::WithParamInterface<NoMouseCase> {};

TEST_P(NoMouseNotice, TwoSecondsAfterStart) {
  const NoMouseCase c = GetParam();
  if (!c.cable) bus->simUnplug(SimProduct::Cable);
  if (!c.receiver) bus->simUnplug(SimProduct::Receiver);
  bus->simMouse()->setStatus(SimStatus{.linkFlag = c.linkFlag});
  start();
  advance(1990);
  EXPECT_TRUE(notices.empty());
  advance(20);
  if (c.text == 0) {
    EXPECT_TRUE(notices.empty());
  } else {
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], (Notice{text(150), text(c.text)}));
  }
}

INSTANTIATE_TEST_SUITE_P(Devices, NoMouseNotice,
                         ::testing::Values(NoMouseCase{true, true, 0, 0},
                                           NoMouseCase{false, true, 1, 0},
                                           NoMouseCase{false, true, 0, 156},
                                           NoMouseCase{false, false, 0, 155}));

TEST_F(MainWindowTest, HiddenSequenceTypedTwiceOpensTheSupportLine) {
  start();
  const auto type = [this](std::string_view keys) {
    for (char c : keys) {
      host.key(c, true);
      host.key(c, false);
    }
    settle();
  };
  type("PELRNPELRXPELRN");
  EXPECT_TRUE(notices.empty());
  type("PELRN");
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_NE(notices[0].text.find(u"support"), std::u16string::npos);
}

// A write that fails says so with the system's reason: an export into a path whose folder is a
// file, and the periodic save when a slot file's place is taken by a folder.
TEST_F(MainWindowTest, FailedWritesSayWhy) {
  start();
  const auto plain = dataDir.path() / "plain";
  { std::ofstream{plain} << "x"; }
  desktop.simShell().answerNextDialog(plain / "shared.psf");
  post(1164, 0, static_cast<int>(ProfileAction::Export));
  advance(100);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].title, text(150));
  EXPECT_TRUE(notices[0].text.starts_with(text(300) + u" ")) << toUtf8(notices[0].text);
  EXPECT_GT(notices[0].text.size(), text(300).size() + 1) << "the reason follows the message";

  const auto slot = data->config.slotPath(0);
  std::filesystem::remove(slot);
  std::filesystem::create_directories(slot / "taken");
  click(310, 482);  // the current slot: its groups go to the mouse and the save timer starts
  advance(9000);
  EXPECT_EQ(notices.size(), 1u) << "the save waits for its timer";
  advance(2000);
  ASSERT_EQ(notices.size(), 2u);
  EXPECT_TRUE(notices[1].text.starts_with(text(301) + u" ")) << toUtf8(notices[1].text);
}

// A change followed by quitting within the ten seconds of the save timer is on disk.
TEST_F(MainWindowTest, ShutdownSavesAPendingChangeAtOnce) {
  start();
  data->profiles.record(0)->pairs[0].value = u"Edited=Name";
  click(310, 482);  // the current slot: marks its groups and schedules a transfer
  advance(40);
  window->exitProgram();
  settle();
  window.reset();
  std::string error;
  const auto reloaded = loadAppData(dataDir.path(), PELORIN_BIN_DIR, 1.0, error);
  ASSERT_TRUE(reloaded);
  EXPECT_EQ(reloaded->profiles.record(0)->pairValue(0), u"Edited=Name");
}

TEST_F(MainWindowTest, PicturesAtScaleOneAndOneAndAHalf) {
  for (float scale : {1.0f, 1.5f}) {
    window.reset();
    bus = std::make_unique<DeviceBus>(true);
    start(scale);
    simWindow().paintIfDirty();
    const std::filesystem::path out =
        std::filesystem::path(PELORIN_SCREEN_DIR) / (scale == 1.0f ? "main_1.png" : "main_1.5.png");
    std::filesystem::create_directories(out.parent_path());
    EXPECT_TRUE(simWindow().savePng(out));
    // A frame panel of the left column differs from the bare background beside it.
    const auto at = [scale](int v) { return static_cast<int>(static_cast<float>(v) * scale); };
    EXPECT_NE(simWindow().pixel(at(150), at(228)), simWindow().pixel(at(150), at(280)));
  }
  CAttentionDlg notice(*skin, text(150), text(155), text(4));
  ASSERT_TRUE(notice.create(WindowKind::Modal, window->windowId()));
  host.runPending();
  EXPECT_TRUE(host.findSim(notice.windowId())
                  ->savePng(std::filesystem::path(PELORIN_SCREEN_DIR) / "notice_1.5.png"));
}

}  // namespace
}  // namespace pelorin::testing

namespace pelorin::testing {
namespace {

// The notification icon restores and ends the program; the link, the mouse settings and the
// profile files go through the desktop.
TEST_F(MainWindowTest, TrayAndShellServeTheWindow) {
  start();
  SimTrayIcon* tray = desktop.trayIcon();
  ASSERT_NE(tray, nullptr);
  EXPECT_EQ(tray->tooltip(), u"Pelorin (simulated mouse)");
  ASSERT_EQ(tray->menu().size(), 3u);
  EXPECT_EQ(tray->menu()[0].command, 2075);
  EXPECT_EQ(tray->menu()[1].command, 0);
  EXPECT_EQ(tray->menu()[2].command, 2076);

  click(1094, 14);
  ASSERT_FALSE(simWindow().isVisible());
  tray->doubleClick();
  settle();
  EXPECT_TRUE(simWindow().isVisible());

  click(470, 665);
  ASSERT_EQ(desktop.simShell().openedAddresses().size(), 1u);
  EXPECT_TRUE(desktop.simShell().openedAddresses()[0].ends_with("guide/index.html"));
  click(850, 505);   // the pointer settings group, below DPI and polling rate
  click(1000, 375);  // its mouse settings button, 25 below the header at 323
  EXPECT_EQ(desktop.simShell().mouseSettingsOpened(), 1);

  const auto file = dataDir.path() / "shared.psf";
  desktop.simShell().answerNextDialog(file);
  post(1164, 0, static_cast<int>(ProfileAction::Export));
  advance(100);
  ASSERT_EQ(desktop.simShell().dialogs().size(), 1u);
  const FileDialogParams& asked = desktop.simShell().dialogs()[0];
  EXPECT_EQ(asked.title, text(143));
  EXPECT_EQ(asked.defaultExtension, u"psf");
  EXPECT_EQ(asked.filters.at(0).extensions, std::vector<std::u16string>{u"psf"});
  desktop.simShell().answerNextDialog(file);
  post(1164, 2, static_cast<int>(ProfileAction::Import));
  advance(100);
  EXPECT_EQ(desktop.simShell().dialogs().back().mode, FileDialogMode::Open);
  EXPECT_EQ(data->profiles.record(2)->pairValue(0), data->profiles.record(0)->pairValue(0));

  const WindowId id = window->windowId();
  ASSERT_TRUE(tray->choose(2076));
  settle();
  EXPECT_EQ(host.findSim(id), nullptr);
}

}  // namespace
}  // namespace pelorin::testing

namespace pelorin::testing {
namespace {

// Runs the steps one per turn of a modal dialog's loop; the loop ends when the dialog does.
void scriptModal(SimWindowSystem& host, std::vector<std::function<void()>> steps) {
  auto next = std::make_shared<std::size_t>(0);
  host.setIdleHandler([&host, steps = std::move(steps), next]() {
    if (*next >= steps.size()) return false;
    steps[(*next)++]();
    host.runPending();
    return true;
  });
}

// Adding reveals the first hidden profile under the typed name (any language) with factory
// settings; renaming keeps everything after "=" through a save and a load. An empty name is
// refused and Escape never closes either dialog.
TEST_F(MainWindowTest, NameDialogsAddAndRenameProfiles) {
  start();
  data->profiles.record(3)->PollingRateValue[0] = 1;  // hidden, not at its defaults
  const auto key = [this](int vk) {
    host.key(vk, true);
    host.key(vk, false);
  };
  scriptModal(host, {[&] { key(vk::kReturn); }, [&] { key(vk::kEscape); },
                     [&] { host.typeText(u"\u7532\u4E59 Aim"); }, [&] { key(vk::kReturn); }});
  click(305, 560);  // add, with three profiles shown
  advance(100);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], (Notice{text(150), text(147)}));
  EXPECT_EQ(data->config.showList(), (ShowList{4, {0, 1, 2, 3, 4}}));
  EXPECT_EQ(data->profiles.record(3)->pairValue(0), u"\u7532\u4E59 Aim");
  EXPECT_EQ(data->profiles.record(3)->PollingRateValue[0], 3) << "factory settings";
  EXPECT_TRUE(window->findControl(2052)->visible());
  EXPECT_EQ(window->findControl(2052)->text(), u"\u7532\u4E59 Aim");

  const std::u16string before = data->profiles.record(0)->pairValue(0);
  scriptModal(host, {[&] { host.typeText(u"=x=y"); }, [&] { key(vk::kReturn); }});
  post(1164, 0, static_cast<int>(ProfileAction::Edit));
  advance(100);
  std::string error;
  const auto reloaded = loadAppData(dataDir.path(), PELORIN_BIN_DIR, 1.0, error);
  ASSERT_TRUE(reloaded);
  EXPECT_EQ(reloaded->profiles.record(0)->pairValue(0), before + u"=x=y");
  EXPECT_EQ(reloaded->config.showList().count, 4);
}

}  // namespace
}  // namespace pelorin::testing
