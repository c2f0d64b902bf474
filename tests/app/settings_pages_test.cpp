// The DPI, lighting and performance groups on the headless host: clicks at design points change
// the current profile, and after the transfer timer the simulated mouse has received exactly the
// reports written out below (command, length, payload; the framing bytes are the device tests').
#include <filesystem>
#include <sstream>
#include <thread>

#include "main_window_fixture.h"
#include "platform/virtual_keys.h"
#include "skin/check_button.h"
#include "skin/radio_button.h"
#include "skin/slider_control.h"

namespace pelorin::testing {
namespace {

using Commands = std::vector<std::string>;

// Runs one step per turn of a modal dialog's loop; the loop ends when the dialog does.
void scriptModal(SimWindowSystem& host, std::vector<std::function<void()>> steps) {
  auto next = std::make_shared<std::size_t>(0);
  host.setIdleHandler([&host, steps = std::move(steps), next]() {
    if (*next >= steps.size()) return false;
    steps[(*next)++]();
    host.runPending();
    return true;
  });
}

class SettingsPagesTest : public MainWindowTest {
 protected:
  ProfileRecord& profile() { return *data->profiles.record(data->config.currentProfile()); }
  // Lets the transfer timer fire and returns what reached the mouse since the last call.
  Commands transferred() {
    advance(40);
    Commands out = commandsOf(sent);
    sent.clear();
    return out;
  }
  // A click at a design point of the top dialog (a modal one).
  void clickDialog(int x, int y) {
    SimWindow& top = *host.findSim(host.windows().back());
    host.clickLeft(top.frame().left + x + 1, top.frame().top + y + 1);
  }
  void startWith(const std::function<void(ProfileRecord&)>& change) {
    start(1.0f, [&](AppData& d) { change(*d.profiles.record(d.config.currentProfile())); });
    advance(40);  // the transfer of the start
    sent.clear();
  }
};

// Levels 1 to 5 at steps 1 to 5, as bytes 2..11 of SetDpiLevels.
constexpr const char* kSteps = " 01 00 02 00 03 00 04 00 05 00 00 00 00 00 00 00";

struct ToggleCase {
  const char* name;
  std::uint8_t mask;
  std::uint8_t ordinal;
  int level;  // 1-based, the enable box clicked
  std::uint8_t maskAfter;
  std::uint8_t ordinalAfter;
  const char* countAndCurrent;  // byte 0 of SetDpiLevels; null: nothing is sent
  const char* steps = kSteps;   // bytes 2..17
};

class DpiLevelToggle : public SettingsPagesTest,
                       public ::testing::WithParamInterface<ToggleCase> {};

// The current level stays the same level while others are switched, and the last enabled level
// cannot be switched off.
TEST_P(DpiLevelToggle, KeepsTheCurrentLevel) {
  const ToggleCase c = GetParam();
  startWith([&](ProfileRecord& p) {
    p.DPIOffOnFlag = c.mask;
    p.CurrentDPILevel = c.ordinal;
    p.XYSetting = {1, 2, 3, 4, 5, 6, 7, 8};
  });
  click(864 + 31 * (c.level - 1), 228);
  EXPECT_EQ(profile().DPIOffOnFlag, c.maskAfter);
  EXPECT_EQ(profile().CurrentDPILevel, c.ordinalAfter);
  EXPECT_EQ(static_cast<CCheckButton*>(window->findControl(3259 + c.level))->checked(),
            ((c.maskAfter >> (c.level - 1)) & 1) != 0);
  Commands expected;
  if (c.countAndCurrent != nullptr) {
    char mask[4];
    std::snprintf(mask, sizeof mask, "%02X", c.maskAfter);
    expected.push_back(std::string("05 12: ") + c.countAndCurrent + " " + mask + c.steps);
  }
  EXPECT_EQ(transferred(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DpiLevelToggle,
    ::testing::Values(ToggleCase{"OnlyLevelStays", 0x04, 0, 3, 0x04, 0, nullptr},
                      ToggleCase{"OffBeforeCurrent", 0x0B, 2, 2, 0x09, 1, "22"},
                      ToggleCase{"CurrentOffTakesPrevious", 0x0B, 2, 4, 0x03, 1, "22"},
                      ToggleCase{"CurrentFirstOff", 0x03, 0, 1, 0x02, 0, "11"},
                      ToggleCase{"OnBeforeCurrent", 0x0B, 2, 3, 0x0F, 3, "44"},
                      ToggleCase{"OnAfterCurrent", 0x0B, 0, 3, 0x0F, 0, "14"},
                      ToggleCase{"LastLevelOn", 0x0B, 0, 8, 0x8B, 0, "14",
                                 " 01 00 02 00 03 00 04 00 05 00 00 00 00 00 08 00"}),
    [](const auto& c) { return std::string(c.param.name); });

// A level chosen on the mouse moves the page's current level, so the next edit keeps it.
TEST_F(SettingsPagesTest, TheMousesDpiButtonMovesTheCurrentLevel) {
  startWith([](ProfileRecord& p) {
    p.DPIOffOnFlag = 0x0F;
    p.CurrentDPILevel = 0;
    p.XYSetting = {1, 2, 3, 4, 5, 6, 7, 8};
  });
  bus->sim()->pressDpiButton(bus->simPlugId(SimProduct::Cable));
  for (int i = 0; i < 200 && profile().CurrentDPILevel == 0; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    settle();
  }
  ASSERT_EQ(profile().CurrentDPILevel, 1);
  click(864 + 31 * 4, 228);  // level 5 on, after the current one
  EXPECT_EQ(transferred(), Commands{std::string("05 12: 25 1F") + kSteps});
}

// Dragging a level's thumb follows the step table live and sends once on release; a click on the
// bar opens the value dialog, whose typed value selects the first step not below it.
TEST_F(SettingsPagesTest, DpiBarDragsAndTheValueDialogSnapsTypedValues) {
  startWith([](ProfileRecord& p) {
    p.DPIOffOnFlag = 0x01;
    p.CurrentDPILevel = 0;
    p.XYSetting = {3, 0, 0, 0, 0, 0, 0, 0};
  });
  ASSERT_EQ(data->dpiSteps.stepCount(), 59) << "sensor 0x3325";
  auto* bar = static_cast<CSliderControl*>(window->findControl(3280));
  const Rect thumb = bar->thumbRect();
  const Rect frame = simWindow().frame();
  host.moveMouse(frame.left + thumb.left + 3, frame.top + thumb.top + 3);
  host.pressLeft();
  host.moveMouse(frame.left + thumb.left + 3, frame.top + bar->rect().top - 20);
  settle();
  EXPECT_EQ(window->findControl(3290)->text(), u"10000");
  EXPECT_EQ(profile().XYSetting[0], 58);
  EXPECT_EQ(transferred(), Commands{}) << "nothing goes out while dragging";
  host.releaseLeft();
  settle();
  EXPECT_EQ(transferred(),
            Commands{"05 12: 11 01 3A 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"});

  scriptModal(host, {[&] { host.typeText(u"1234"); }, [&] { host.tapKey(vk::kReturn); },
                     [&] { clickDialog(360, 115); }});
  click(867, 200);  // the bar below its thumb
  EXPECT_EQ(profile().XYSetting[0], 11) << "1300 DPI";
  EXPECT_EQ(window->findControl(3290)->text(), u"1300");
  EXPECT_EQ(transferred(),
            Commands{"05 12: 11 01 0B 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"});
}

struct ValueCase {
  const char* name;
  std::u16string typed;  // empty: nothing typed
  std::vector<int> arrows;
  bool ok;
  int step;  // the display's step afterwards
};

class DpiValueDialog : public SettingsPagesTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(DpiValueDialog, WritesTheChosenStepOnOkOnly) {
  const ValueCase c = GetParam();
  startWith([](ProfileRecord& p) { p.XYSetting[0] = 1; });
  std::vector<std::function<void()>> steps;
  if (!c.typed.empty()) {
    steps.push_back([&] {
      host.tapKey(vk::kBack);
      host.typeText(c.typed);
    });
  }
  for (int key : c.arrows) steps.push_back([&, key] { host.tapKey(key); });
  steps.push_back([&] { clickDialog(c.ok ? 360 : 280, 115); });
  scriptModal(host, std::move(steps));
  click(867, 200);
  EXPECT_EQ(profile().XYSetting[0], c.step);
  EXPECT_EQ(transferred().size(), c.ok && c.step != 1 ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DpiValueDialog,
    ::testing::Values(
        ValueCase{"NotANumberIsStepZero", u"x", {}, true, 0},
        ValueCase{"AboveTheLargestIsTheLast", u"99999", {}, true, 58},
        ValueCase{"ExactValue", u"400", {}, true, 2},
        ValueCase{
            "ArrowsStopAtTheFirstStep", {}, {vk::kLeft, vk::kLeft, vk::kLeft, vk::kRight}, true, 1},
        ValueCase{"ArrowsStopAtTheLastStep",
                  u"99999",
                  {vk::kReturn, vk::kRight, vk::kRight, vk::kLeft},
                  true,
                  57},
        ValueCase{"CancelWritesNothing", u"5000", {}, false, 1}),
    [](const auto& c) { return std::string(c.param.name); });

// Which mode-dependent controls each effect mode shows while the lighting group is open.
struct ModeCase {
  int mode;
  std::vector<int> shown;
};

const std::vector<int> kModeControls = {3200, 3190, 3210, 3163, 3220, 3191, 3230, 3162, 3161, 3180,
                                        3181, 3182, 3183, 3184, 3185, 3186, 3187, 3164, 3240, 3250};

class LightingMode : public SettingsPagesTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(LightingMode, ShowsOnlyItsControls) {
  const ModeCase c = GetParam();
  startWith([&](ProfileRecord& p) { p.Lighting1ModeValue = {static_cast<std::uint8_t>(c.mode)}; });
  click(850, 265);  // opens the lighting group below the DPI group
  std::vector<int> shown;
  for (int id : kModeControls) {
    if (window->findControl(id)->visible()) shown.push_back(id);
  }
  EXPECT_EQ(shown, c.shown);
  EXPECT_TRUE(window->findControl(3120)->visible());
  click(850, 265);  // closed again: nothing of the group shows
  EXPECT_FALSE(window->openGroups().isOpen(ControlGroup::Lighting));
  for (int id : kModeControls) EXPECT_FALSE(window->findControl(id)->visible()) << id;
}

const std::vector<int> kSpeed = {3200, 3190, 3210, 3163};
std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, LightingMode,
    ::testing::Values(
        ModeCase{0, {}}, ModeCase{1, kSpeed + std::vector<int>{3164, 3240, 3250}},
        ModeCase{2, kSpeed + std::vector<int>{3161, 3180, 3181, 3182, 3183, 3184, 3185, 3186}},
        ModeCase{3, {3220, 3191, 3230, 3162, 3161, 3180}}, ModeCase{4, kSpeed}, ModeCase{5, kSpeed},
        ModeCase{6, {3161, 3180, 3181, 3182, 3183, 3184, 3185, 3186, 3187}},
        ModeCase{7, kSpeed + std::vector<int>{3161, 3180, 3181}}, ModeCase{9, {}},
        ModeCase{12, {}}));

// Choosing an effect from the list stores its name and mode, keeps the other modes' values and
// sends the new lighting.
TEST_F(SettingsPagesTest, EffectListSwitchesTheMode) {
  startWith([](ProfileRecord& p) {
    p.Lighting1ModeValue = {1, 0, 0};
    p.Lighting1Speed[1] = 4;
    p.Lighting1Brightness[3] = 2;
    p.Lighting1Speed[3] = 0;
    p.Lighting1FixedColor[3][0] = rgb(0x12, 0x34, 0x56);
  });
  click(850, 265);
  click(900, 305);                // the mode list, 300 wide, below the combo
  click(900, 324 + 25 * 2 + 10);  // its third entry: steady, mode 3
  EXPECT_EQ(profile().Lighting1ModeValue, (ByteTriple{3, 0, 0}));
  EXPECT_EQ(profile().Lighting1Name, text(102));
  EXPECT_EQ(window->findControl(3120)->text(), text(102));
  EXPECT_EQ(profile().Lighting1Speed[1], 4);
  EXPECT_EQ(window->findControl(3230)->text(), u"75%");
  EXPECT_EQ(transferred(), Commands{"08 05: 03 31 12 34 56"});
}

struct SlotCase {
  const char* name;
  std::uint8_t mode;
  std::vector<int> selected;
  int slot;     // 0-based, clicked once
  int refusal;  // language text of the refusal, 0 when the toggle is allowed
};

class ColourSlotClick : public SettingsPagesTest, public ::testing::WithParamInterface<SlotCase> {};

// A single click toggles once the double-click time has passed, unless the mode would be left
// with too few colours.
TEST_P(ColourSlotClick, TogglesOrIsRefused) {
  const SlotCase c = GetParam();
  startWith([&](ProfileRecord& p) {
    p.Lighting1ModeValue = {c.mode, 0, 0};
    p.Lighting1ColorSelected[c.mode] = {};
    for (int s : c.selected) p.Lighting1ColorSelected[c.mode][static_cast<std::size_t>(s)] = 1;
  });
  click(850, 265);
  const auto before = profile().Lighting1ColorSelected[c.mode];
  click(888 + 26 * c.slot + 5, 422 + 5);
  advance(140);
  EXPECT_EQ(profile().Lighting1ColorSelected[c.mode], before) << "not before the timer";
  advance(20);
  auto after = before;
  if (c.refusal == 0) after[static_cast<std::size_t>(c.slot)] ^= 1;
  EXPECT_EQ(profile().Lighting1ColorSelected[c.mode], after);
  if (c.refusal == 0) {
    EXPECT_TRUE(notices.empty());
  } else {
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], (Notice{text(150), text(c.refusal)}));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, ColourSlotClick,
                         ::testing::Values(SlotCase{"SteadyKeepsItsColour", 3, {0}, 0, 153},
                                           SlotCase{"BreathingLastOfSeven", 2, {4}, 4, 153},
                                           SlotCase{"BreathingOneOfTwo", 2, {4, 6}, 6, 0},
                                           SlotCase{"BreathingSelects", 2, {4}, 5, 0},
                                           SlotCase{"ReactiveTwoOfEightStay", 6, {0, 7}, 7, 154},
                                           SlotCase{"ReactiveThreeLoseOne", 6, {0, 3, 7}, 3, 0},
                                           SlotCase{"NeonLastOfTwo", 7, {1}, 1, 153}),
                         [](const auto& c) { return std::string(c.param.name); });

// A double click opens the palette even where a single click is refused; a press on the palette's
// ground changes nothing, one on a colour field takes the colour the window shows there.
TEST_F(SettingsPagesTest, DoubleClickPicksAColourFromThePalette) {
  startWith([](ProfileRecord& p) {
    p.Lighting1ModeValue = {3, 0, 0};
    p.Lighting1Brightness[3] = 0;
    p.Lighting1Speed[3] = 0;
    p.Lighting1ColorSelected[3][0] = 1;
    p.Lighting1FixedColor[3][0] = rgb(1, 2, 3);
  });
  click(850, 265);
  Colour field = 0;
  scriptModal(host, {[&] {
                       SimWindow& palette = *host.findSim(host.windows().back());
                       palette.paintIfDirty();
                       // The first ground pixel of the right pick area, between its fields.
                       Point ground{-1, -1};
                       for (int x = 244; x < 473 && ground.x < 0; ++x) {
                         for (int y = 26; y < 190 && ground.x < 0; ++y) {
                           if ((palette.pixel(x, y) & 0xFFFFFF) == 0x0F0F0F) ground = {x, y};
                         }
                       }
                       ASSERT_GE(ground.x, 0);
                       field = palette.pixel(120, 100) & 0xFFFFFF;
                       ASSERT_NE(field, 0x0F0F0Fu);
                       clickDialog(120 - 1, 100 - 1);
                       clickDialog(ground.x - 1, ground.y - 1);
                     },
                     [&] { host.tapKey(vk::kReturn); }});
  host.doubleClickLeft(simWindow().frame().left + 895, simWindow().frame().top + 427);
  settle();
  advance(200);
  EXPECT_TRUE(notices.empty()) << "the double click is no single click";
  EXPECT_EQ(profile().Lighting1ColorSelected[3][0], 1);
  EXPECT_EQ(profile().Lighting1FixedColor[3][0], field);
  char expected[32];
  std::snprintf(expected, sizeof expected, "08 05: 03 11 %02X %02X %02X", redOf(field),
                greenOf(field), blueOf(field));
  EXPECT_EQ(transferred(), Commands{expected});
}

// The rate buttons and the rate list store the rate; a rate code past the table shows 1000 Hz.
// The hidden debounce and lift-off values are left as they are: 13 ms stays 13.
TEST_F(SettingsPagesTest, PollingRateButtonsAndList) {
  startWith([](ProfileRecord& p) {
    p.PollingRateValue = {7, 5, 6};
    p.setKeyDebounce(13);
    p.setLiftDetectionHeight(7);
  });
  EXPECT_TRUE(static_cast<CRadioButton*>(window->findControl(3033))->marked());
  EXPECT_EQ(window->findControl(3532)->text(), u"13ms");
  click(864 + 2 * 59 + 10, 335);  // 500 Hz
  EXPECT_EQ(profile().PollingRateName, u"500HZ");
  EXPECT_EQ(profile().PollingRateValue, (ByteTriple{2, 5, 6}));
  EXPECT_EQ(profile().pairValue(static_cast<std::size_t>(Setting::KeyDebounce)), u"13");
  EXPECT_EQ(profile().pairValue(static_cast<std::size_t>(Setting::LiftDetectionHeight)), u"7");
  EXPECT_EQ(transferred(), (Commands{"07 01: 02"}));
  EXPECT_TRUE(static_cast<CRadioButton*>(window->findControl(3032))->marked());

  click(900, 420);                // the rate combo
  click(900, 435 + 25 * 1 + 10);  // 250Hz
  EXPECT_EQ(profile().PollingRateName, u"250Hz");
  EXPECT_EQ(profile().PollingRateValue, (ByteTriple{1, 0, 0}));
  EXPECT_EQ(window->findControl(3110)->text(), u"250Hz");
  EXPECT_EQ(transferred(), Commands{"07 01: 04"});
}

// Values no control can show exactly (pelorinctl's lighting speed 15, a brightness step of 5, a
// debounce of 13 ms, a pointer speed past its slider) stay as stored: an unrelated edit changes
// and sends only itself, and the controls show the nearest they can.
TEST_F(SettingsPagesTest, AnEditLeavesEveryUntouchedValueAlone) {
  startWith([](ProfileRecord& p) {
    p.Lighting1ModeValue = {3, 0, 0};
    p.Lighting1Speed[3] = 14;
    p.Lighting1Brightness[3] = 5;
    p.setKeyDebounce(13);
    p.setLiftDetectionHeight(7);
    p.setPointerSpeed(25);
    p.DPIOffOnFlag = 0x1F;
    p.CurrentDPILevel = 0;
    p.XYSetting = {1, 2, 3, 4, 5, 6, 7, 8};
  });
  ProfileRecord expected = profile();
  click(864 + 31 * 5, 228);  // level 6 on
  expected.DPIOffOnFlag = 0x3F;
  EXPECT_EQ(profile(), expected);
  EXPECT_EQ(transferred(),
            Commands{"05 12: 16 3F 01 00 02 00 03 00 04 00 05 00 06 00 00 00 00 00"});
  click(850, 265);  // the lighting group
  EXPECT_EQ(window->findControl(3230)->text(), u"50%");
  EXPECT_EQ(static_cast<CSliderControl*>(window->findControl(3220))->position(), 1);
  EXPECT_EQ(profile(), expected);
}

// A switch to another profile sends every command whose bytes differ from what the mouse holds,
// the power commands included.
TEST_F(SettingsPagesTest, ProfileSwitchSendsEveryDifference) {
  startWith([](ProfileRecord& p) {
    p.DPIOffOnFlag = 0x1F;
    p.CurrentDPILevel = 1;
    p.XYSetting = {1, 2, 3, 4, 5, 6, 7, 8};
    p.DPILevelIndication = {};
    p.PollingRateValue = {3, 0, 0};
    p.Lighting1ModeValue = {4, 0, 0};
    p.Lighting1Speed[4] = 0;
    p.Lighting1Brightness[4] = 0;
  });
  ProfileRecord& other = *data->profiles.record(1);
  other = profile();
  other.keys[1].Value = {0x10, 0x04, 0x00};
  other.keys[3].Value = {0x70, 0x00, 0x04};  // device position 4
  other.DPIOffOnFlag = 0x03;
  other.CurrentDPILevel = 0;
  other.DPILevelIndication[0] = rgb(0x12, 0x34, 0x56);
  other.PollingRateValue = {0, 0, 0};
  other.setLiftDetectionHeight(1);
  other.setKeyDebounce(4);
  other.Lighting1Speed[4] = 2;
  other.setPowerDownTime(4);
  other.setMoveLightingOnOffMode(1);
  other.setMotionWakeup(0);
  ASSERT_TRUE(data->config.setShowList(ShowList{2, {0, 1, 2, 3, 4}}));
  window->refreshFromProfile();
  const Rect slot = window->findControl(2050)->rect();
  click((slot.left + slot.right) / 2, (slot.top + slot.bottom) / 2);
  ASSERT_EQ(data->currentProfile(), 1u);
  EXPECT_EQ(transferred(),
            (Commands{"04 04: 01 10 04 00", "04 04: 04 70 00 04",
                      "05 12: 12 03 01 00 02 00 03 00 04 00 05 00 00 00 00 00 00 00",
                      "06 18: 12 34 56 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                      "00 00",
                      "07 01: 08", "09 02: 01 00", "0A 01: 04", "08 02: 04 13", "0B 02: 04 01",
                      "0C 01: 00"}));
}

// The pointer settings are stored with the profile and never reach the mouse.
TEST_F(SettingsPagesTest, PointerSettingsStayInTheProfile) {
  start();
  sent.clear();
  click(850, 505);  // the pointer settings header below the DPI and polling groups
  ASSERT_TRUE(window->openGroups().isOpen(ControlGroup::Pointer));
  EXPECT_FALSE(window->findControl(2041)->disabled());
  click(1034, 392);  // scroll by pages
  EXPECT_TRUE(window->findControl(2041)->disabled());
  click(864, 376);  // acceleration off
  EXPECT_EQ(profile().number(Setting::ScrollWheelPageEnable), 1);
  EXPECT_EQ(profile().number(Setting::AccelerationEnable), 0);
  EXPECT_EQ(transferred(), Commands{});
}

// Both dialogs at scale 1.5, saved beside the window's pictures: the value dialog swallows Escape,
// the palette previews the level's colour.
TEST_F(SettingsPagesTest, DialogPicturesAtOneAndAHalf) {
  start(1.5f, [](AppData& d) { d.profiles.record(0)->DPILevelIndication[0] = rgb(32, 128, 192); });
  const auto scaled = [](int v) { return v * 3 / 2; };
  const auto save = [&](const char* name) {
    SimWindow& top = *host.findSim(host.windows().back());
    top.paintIfDirty();
    std::filesystem::create_directories(PELORIN_SCREEN_DIR);
    EXPECT_TRUE(top.savePng(std::filesystem::path(PELORIN_SCREEN_DIR) / name));
    return &top;
  };
  scriptModal(host, {[&] { host.tapKey(vk::kEscape); },
                     [&] {
                       EXPECT_EQ(host.windows().size(), 2u) << "Escape keeps the dialog";
                       save("dpi_value_1.5.png");
                       clickDialog(scaled(290), scaled(115));
                     }});
  click(867, 100);
  scriptModal(host, {[&] {
                SimWindow* palette = save("palette_1.5.png");
                EXPECT_EQ(palette->pixel(scaled(274), scaled(241)) & 0xFFFFFF, rgb(32, 128, 192));
                clickDialog(scaled(487), scaled(13));
              }});
  click(864, 245);
  EXPECT_EQ(host.windows().size(), 1u);
}

}  // namespace
}  // namespace pelorin::testing
