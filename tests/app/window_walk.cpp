#include "window_walk.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <thread>

#include "app/app_data.h"
#include "app/function_popup.h"
#include "app/kestrin_dlg.h"
#include "platform/resource_table.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_window_system.h"
#include "platform/sim/virtual_clock.h"
#include "platform/virtual_keys.h"
#include "runner/device_bus.h"
#include "skin/check_button.h"
#include "skin/color_select_button.h"
#include "skin/color_select_check_button.h"
#include "skin/dpi_value_show_control.h"
#include "skin/power_manage_button.h"
#include "skin/radio_button.h"
#include "skin/slider_control.h"
#include "skin/ui_font.h"
#include "support/profile_fixture.h"
#include "support/temp_dir.h"

namespace pelorin::testing {
namespace {

// The step kinds; the names are what a failure lists and what an experiment may leave out.
enum Kind : int {
  kDpiBox,
  kDpiDrag,
  kDpiValue,
  kDpiColour,
  kLightMode,
  kLightSlider,
  kLightDirection,
  kLightSlot,
  kLightSlotColour,
  kPollRadio,
  kPollList,
  kLiftOff,
  kPowerDial,
  kPowerCheck,
  kPointer,
  kButtonMenu,
  kButtonDialog,
  kSwitch,
  kAdd,
  kRename,
  kDelete,
  kExport,
  kImport,
  kMouseDpi,
  kMousePolling,
  kSensor,
  kBattery,
  kPlug,
  kRefused,
  kRestart,
  kKindCount
};

struct KindInfo {
  const char* name;
  int weight;
};

constexpr std::array<KindInfo, kKindCount> kKinds = {{
    {"dpi-box", 8},       {"dpi-drag", 6},     {"dpi-value", 3}, {"dpi-colour", 2},
    {"light-mode", 4},    {"light-slider", 5}, {"light-dir", 2}, {"light-slot", 3},
    {"light-colour", 2},  {"poll-radio", 3},   {"poll-list", 2}, {"lift-off", 2},
    {"power-dial", 3},    {"power-check", 3},  {"pointer", 4},   {"button-menu", 4},
    {"button-dialog", 2}, {"switch", 6},       {"add", 1},       {"rename", 1},
    {"delete", 1},        {"export", 1},       {"import", 1},    {"mouse-dpi", 4},
    {"mouse-polling", 3}, {"sensor", 1},       {"battery", 1},   {"plug", 2},
    {"refused", 2},       {"restart", 3},
}};

// The step kinds that a refused write wraps: one edit while the mouse refuses every write.
constexpr std::array<int, 5> kRefusedEdits = {kDpiBox, kPowerDial, kPowerCheck, kLightMode,
                                              kSwitch};

// Portable and small: the same seed gives the same numbers with every standard library.
class SplitMix {
 public:
  explicit SplitMix(std::uint64_t seed) : state_(seed) {}
  std::uint32_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 16);
  }
  int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }

 private:
  std::uint64_t state_;
};

// What a step may change in the profiles; everything else must stay as it was.
enum Family : unsigned {
  kButtons = 1,
  kDpi = 2,
  kLighting = 4,
  kPolling = 8,
  kLift = 16,
  kPower = 32,
  kPointerPairs = 64,
  kName = 128,
  kWhole = 0xFFFF,
};

void takeFamilies(ProfileRecord& into, const ProfileRecord& from, unsigned families) {
  const auto pairs = [&](std::initializer_list<Setting> which) {
    for (Setting s : which)
      into.pairs[static_cast<std::size_t>(s)] = from.pairs[static_cast<std::size_t>(s)];
  };
  if (families == kWhole) {
    into = from;
    return;
  }
  if (families & kButtons) into.keys = from.keys;
  if (families & kDpi) {
    into.DPIOffOnFlag = from.DPIOffOnFlag;
    into.XYSetting = from.XYSetting;
    into.CurrentDPILevel = from.CurrentDPILevel;
    into.DPILevelIndication = from.DPILevelIndication;
    into.AngleSnap = from.AngleSnap;
    into.LiftDetection = from.LiftDetection;
  }
  if (families & kLighting) {
    into.Lighting1Name = from.Lighting1Name;
    into.Lighting1ModeValue = from.Lighting1ModeValue;
    into.Lighting1Speed = from.Lighting1Speed;
    into.Lighting1Brightness = from.Lighting1Brightness;
    into.Lighting1ColorSelected = from.Lighting1ColorSelected;
    into.Lighting1FixedColor = from.Lighting1FixedColor;
    into.Lighting1Direction = from.Lighting1Direction;
  }
  if (families & kPolling) {
    into.PollingRateName = from.PollingRateName;
    into.PollingRateValue = from.PollingRateValue;
  }
  if (families & kLift) pairs({Setting::LiftDetectionHeight});
  if (families & kPower)
    pairs({Setting::PowerDownTime, Setting::MoveLightingOnOffMode, Setting::MotionWakeup});
  if (families & kPointerPairs) {
    pairs({Setting::PointerSpeed, Setting::AccelerationEnable, Setting::ScrollWheelSpeed,
           Setting::ScrollWheelPageEnable, Setting::DoubleClickSpeed});
  }
  if (families & kName) pairs({Setting::ProfileName});
}

// Which families of which profile a step may change: of the profile current before the step,
// or of every profile.
struct Allowed {
  unsigned current = 0;
  unsigned every = 0;
};

Allowed allowedFor(int kind) {
  switch (kind) {
    case kDpiBox:
    case kDpiDrag:
    case kDpiValue:
    case kDpiColour:
      return {kDpi, 0};
    case kLightMode:
    case kLightSlider:
    case kLightDirection:
    case kLightSlot:
    case kLightSlotColour:
      return {kLighting, 0};
    case kPollRadio:
    case kPollList:
      return {kPolling, 0};
    case kLiftOff:
      return {kLift, 0};
    case kPowerDial:
    case kPowerCheck:
      return {kPower, 0};
    case kPointer:
      return {kPointerPairs, 0};
    case kButtonMenu:
    case kButtonDialog:
      return {kButtons, 0};
    case kRename:
      return {kName, 0};
    case kAdd:
      return {0, kWhole};  // the profile shown again starts afresh
    case kImport:
      return {kWhole, 0};
    case kMouseDpi:
    case kMousePolling:
      return {kDpi | kPolling, 0};
    case kSensor:
      return {0, kDpi};
    case kRefused:
      return {kDpi | kPower | kLighting, 0};
    default:
      return {};
  }
}

std::u16string decimal(int value) {
  const std::string digits = std::to_string(value);
  return {digits.begin(), digits.end()};
}

constexpr std::array<std::uint8_t, 10> kSensorCodes = {0x04, 0x12, 0x25, 0x27, 0x35,
                                                       0x60, 0x70, 0x89, 0x95, 0x99};

// Profiles drawn from the seed, every value inside the domain that pelorinctl and the window
// accept, so that the walk starts where a user of both front ends may stand.
// Levels 6 to 8 start disabled, as the factory leaves them, so that enabling one is a step of
// the walk. narrowLighting keeps speed and brightness inside the sliders' stops (experiments).
void drawProfiles(AppData& data, SplitMix& random, bool narrowLighting) {
  const int steps = std::max(1, data.dpiSteps.stepCount());
  for (std::size_t i = 0; i < kProfileCount; ++i) {
    ProfileRecord& p = *data.profiles.record(i);
    const auto byte = [&](int n) { return static_cast<std::uint8_t>(random.below(n)); };
    const auto colour = [&] { return random.next() & 0xFFFFFFu; };
    p.DPIOffOnFlag = static_cast<std::uint8_t>(1 + random.below(31));
    p.CurrentDPILevel = byte(std::popcount(p.DPIOffOnFlag));
    for (auto& s : p.XYSetting) s = static_cast<DpiStepIndex>(random.below(steps));
    for (auto& c : p.DPILevelIndication) c = colour();
    const auto mode = byte(10);
    p.Lighting1ModeValue = {mode, 0, 0};
    for (auto& s : p.Lighting1Speed) s = byte(narrowLighting ? 5 : 15);
    for (auto& b : p.Lighting1Brightness) b = byte(4);
    for (auto& d : p.Lighting1Direction) d = byte(2);
    for (auto& row : p.Lighting1FixedColor) {
      for (auto& c : row) c = colour();
    }
    for (auto& row : p.Lighting1ColorSelected) {
      for (auto& s : row) s = byte(2);
    }
    const auto rate = byte(4);
    p.PollingRateValue = {rate, 0, 0};
    constexpr std::array<const char16_t*, 4> kRates = {u"125HZ", u"250HZ", u"500HZ", u"1000HZ"};
    p.PollingRateName = kRates[rate];
    p.setLiftDetectionHeight(1 + random.below(2));
    p.setKeyDebounce(2 * random.below(32));
    p.setPowerDownTime(3 + random.below(8));
    p.setMoveLightingOnOffMode(random.below(2));
    p.setMotionWakeup(random.below(2));
    p.setPointerSpeed(random.below(20));
    p.setScrollWheelSpeed(random.below(20));
    p.setDoubleClickSpeed(random.below(11));
    p.setAccelerationEnable(random.below(2));
    p.setScrollWheelPageEnable(random.below(2));
  }
}

class Walker {
 public:
  Walker(std::uint32_t seed, bool narrowLighting) : seed_(seed), narrow_(narrowLighting) {
    host.setPaintOnRun(false);
  }
  ~Walker() {
    host.setIdleHandler({});
    window.reset();
  }

  std::optional<std::string> begin() {
    SplitMix random(seed_ ^ 0xA5A5A5A5u);
    if (auto failed = start([&](AppData& d) { drawProfiles(d, random, narrow_); })) return failed;
    // The mouse held these profiles when the program last ran: send all of them once.
    window->session().forceFullSend();
    for (auto group : {SettingGroup::Buttons, SettingGroup::Performance, SettingGroup::Power,
                       SettingGroup::MotionWakeup}) {
      window->session().markPending(group);
    }
    window->scheduleTransfer();
    advance(400);
    if (!data->saveAll()) return "the first save failed";
    return check();
  }

  std::optional<std::string> step(const WalkStep& s) {
    const std::size_t current = data->currentProfile();
    const std::array<ProfileRecord, kProfileCount> before = snapshot();
    if (s.kind == kRestart) return restart(s.a % 2 != 0);
    perform(s.kind, s.a, s.b);
    host.setIdleHandler({});
    settle();
    advance(60);  // the transfer timer, the dispatch and its progress dialog
    if (auto failed = check()) return failed;
    return frame(before, current, allowedFor(s.kind));
  }

 private:
  // --- the program's life ---------------------------------------------------------------------
  std::optional<std::string> start(const std::function<void(AppData&)>& prepare) {
    std::string error;
    data = loadAppData(dataDir.path(), PELORIN_BIN_DIR, 1.0, error);
    if (!data) return "load: " + error;
    if (prepare) prepare(*data);
    skin = std::make_unique<SkinContext>(
        SkinContext{host, embeddedResources(), PELORIN_BIN_DIR, 1.0f,
                    uiFont(data->font.face, data->font.height, data->font.charset), dialogs});
    MainWindowRun run{*skin, *data, bus->bus(), clock, queue, true, {}, {}, {}, nullptr, nullptr};
    run.desktop = &desktop;
    run.notice = [this](std::u16string_view, std::u16string_view) { ++notices_; };
    window = std::make_unique<CKestrinDlg>(run);
    layoutKey_ = ~0u;
    if (!window->create(WindowKind::Main, kNoWindow)) return "the window was not created";
    settle();
    advance(300);
    return std::nullopt;
  }

  // Quit at once, or later: after the save timer, as a user who leaves the program open.
  std::optional<std::string> restart(bool later) {
    if (later) advance(11000, 100);
    const auto profiles = snapshot();
    std::array<std::u16string, kConfigEntryCount> config;
    for (std::size_t i = 0; i < kConfigEntryCount; ++i) config[i] = data->config.entry(i).value;
    window->exitProgram();
    settle();
    window.reset();
    skin.reset();
    std::optional<std::string> differs;
    const auto compare = [&](AppData& loaded) {
      for (std::size_t i = 0; i < kProfileCount && !differs; ++i) {
        if (!(*loaded.profiles.record(i) == profiles[i])) {
          differs = "profile " + std::to_string(i) +
                    " read back differs: " + difference(profiles[i], *loaded.profiles.record(i));
        }
      }
      for (std::size_t i = 0; i < kConfigEntryCount && !differs; ++i) {
        if (loaded.config.entry(i).value != config[i]) {
          differs = "configuration entry " + std::to_string(i) + " read back differs";
        }
      }
    };
    if (auto failed = start(compare)) return failed;
    if (differs) return differs;
    return check();
  }

  void settle() {
    for (int i = 0; i < 50 && queue.runPending() + host.runPending() > 0; ++i) {
    }
  }
  void advance(int ms, int tick = 10) {
    for (int done = 0; done < ms; done += tick) {
      host.advance(std::chrono::milliseconds(tick));
      settle();
    }
  }

  std::array<ProfileRecord, kProfileCount> snapshot() const {
    std::array<ProfileRecord, kProfileCount> out;
    for (std::size_t i = 0; i < kProfileCount; ++i) out[i] = *data->profiles.record(i);
    return out;
  }
  ProfileRecord& profile() { return *data->profiles.record(data->currentProfile()); }
  CControlBase* control(int id) { return window->findControl(id); }
  template <typename T>
  T* as(int id) {
    return dynamic_cast<T*>(control(id));
  }

  // --- the pointer, as a user moves it --------------------------------------------------------
  // The groups and the slot bar are placed as the window paints, so it paints before anything
  // is looked up on it.
  SimWindow& painted() {
    SimWindow& main = *host.findSim(window->windowId());
    std::uint32_t key = data->config.showList().count * 2u + data->dpiSteps.extendedSensor();
    for (std::size_t g = 0; g < kControlGroupCount; ++g) {
      key = key * 2 + window->openGroups().isOpen(static_cast<ControlGroup>(g));
    }
    if (key != layoutKey_) main.paintIfDirty();
    layoutKey_ = key;
    return main;
  }
  Point screen(Point client) {
    const Rect frame = painted().frame();
    return {frame.left + client.x, frame.top + client.y};
  }
  static Point centre(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
  void clickAt(Point client, bool right = false) {
    const Point p = screen(client);
    right ? host.clickRight(p.x, p.y) : host.clickLeft(p.x, p.y);
    settle();
  }
  // Opens the group whose header shows the control when it is hidden; false when it stays hidden.
  bool reveal(int id) {
    painted();
    CControlBase* c = control(id);
    if (c == nullptr) return false;
    for (std::size_t g = 0; g < kControlGroupCount && !c->visible(); ++g) {
      const auto group = static_cast<ControlGroup>(g);
      CControlBase* header = control(kGroupHeaderIds[g]);
      if (window->page(group).control(id) == nullptr || header == nullptr || !header->visible()) {
        continue;
      }
      clickAt(centre(header->rect()));
      painted();
    }
    return c->visible() && !c->disabled();
  }
  bool clickControl(int id, bool right = false) {
    if (!reveal(id)) return false;
    clickAt(centre(control(id)->rect()), right);
    return true;
  }
  void drag(int id, std::uint32_t choice, bool vertical) {
    auto* slider = as<CSliderControl>(id);
    if (slider == nullptr || !reveal(id) || slider->stopCount() == 0) return;
    const int target = static_cast<int>(choice % static_cast<std::uint32_t>(slider->stopCount()));
    const Rect r = slider->rect();
    const Point from = centre(slider->thumbRect());
    const int stop = slider->stops()[static_cast<std::size_t>(target)];
    const Point to = vertical ? Point{from.x, r.bottom - 1 - stop} : Point{r.left + stop, from.y};
    const Point a = screen(from);
    const Point b = screen(to);
    host.moveMouse(a.x, a.y);
    host.pressLeft();
    host.moveMouse((a.x + b.x) / 2, (a.y + b.y) / 2);
    host.moveMouse(b.x, b.y);
    host.releaseLeft();
    settle();
  }
  // One action per turn of a modal dialog's loop; the loop ends when the dialog does, or when
  // the actions run out (the dialog is then cancelled).
  void script(std::vector<std::function<void()>> actions) {
    auto next = std::make_shared<std::size_t>(0);
    host.setIdleHandler([this, actions = std::move(actions), next]() {
      if (*next >= actions.size()) return false;
      actions[(*next)++]();
      host.runPending();
      return true;
    });
  }
  void clickDialog(int x, int y) {
    SimWindow& top = *host.findSim(host.windows().back());
    host.clickLeft(top.frame().left + x, top.frame().top + y);
  }
  void typeInto(std::u16string_view text) {
    for (int i = 0; i < 8; ++i) host.tapKey(vk::kBack);
    host.typeText(text);
  }
  // The palette: a press somewhere in its pick areas, then OK, Enter or the close button.
  std::vector<std::function<void()>> paletteActions(std::uint32_t choice) {
    const int x = 18 + static_cast<int>(choice % 455);
    const int y = 26 + static_cast<int>((choice / 455) % 244);
    std::vector<std::function<void()>> actions = {[this, x, y] {
      host.findSim(host.windows().back())->paintIfDirty();  // the palette picks what it shows
      clickDialog(x, y);
    }};
    switch ((choice >> 20) % 3) {
      case 0:
        actions.push_back([this] { clickDialog(425, 244); });
        break;
      case 1:
        actions.push_back([this] { host.tapKey(vk::kReturn); });
        break;
      default:
        actions.push_back([this] { clickDialog(487, 13); });
        break;
    }
    return actions;
  }
  // A row of a list popup that opens below its combo: 25 design pixels per row.
  void chooseFromList(int combo, int row) {
    if (!clickControl(combo)) return;
    const Rect r = control(combo)->rect();
    clickAt({r.left + 14, r.bottom + 25 * row + 10});
  }
  CFunctionPopup* menu(int slot) {
    auto* popup = dynamic_cast<CFunctionPopup*>(window->popup(slot));
    return popup != nullptr && popup->isOpen() ? popup : nullptr;
  }
  Point rowPoint(CFunctionPopup& popup, int row) {
    const Rect frame = host.findSim(popup.windowId())->frame();
    return {frame.left + 20,
            frame.top + row * CFunctionPopup::kRowHeight + CFunctionPopup::kRowHeight / 2};
  }
  int rowsOf(const CFunctionPopup& popup) {
    return std::max(1, CFunctionPopup::designHeight(popup.menu()) / CFunctionPopup::kRowHeight);
  }
  // Main menu row, then (when it opens one) a submenu row.
  void chooseFunction(int button, std::uint32_t a, std::uint32_t b) {
    if (!clickControl(2013 + button)) return;
    CFunctionPopup* main = menu(ButtonAssignment::kMenuSlot);
    if (main == nullptr) return;
    const Point row =
        rowPoint(*main, static_cast<int>(a % static_cast<std::uint32_t>(rowsOf(*main))));
    host.moveMouse(row.x, row.y);
    settle();
    if (CFunctionPopup* sub = menu(ButtonAssignment::kSubmenuSlot)) {
      const Point p =
          rowPoint(*sub, static_cast<int>(b % static_cast<std::uint32_t>(rowsOf(*sub))));
      host.moveMouse(p.x, p.y);
      settle();
      host.clickLeft(p.x, p.y);
    } else {
      host.clickLeft(row.x, row.y);
    }
    settle();
    advance(120);  // the notice timer of a refused assignment
  }

  // --- the mouse's side -----------------------------------------------------------------------
  int livePlug() {
    const int cable = bus->simPlugId(SimProduct::Cable);
    return cable != 0 ? cable : bus->simPlugId(SimProduct::Receiver);
  }
  // idleFirst: the window has been left alone past its save, as while a game runs.
  void pressOnMouse(bool dpi, bool idleFirst) {
    if (idleFirst) advance(11000, 100);
    const int plug = livePlug();
    for (int i = 0; i < 400 && bus->sim()->waitingReaders(plug) == 0; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
      settle();
    }
    if (bus->sim()->waitingReaders(plug) == 0) return;  // no reader: the press would be lost
    dpi ? bus->sim()->pressDpiButton(plug) : bus->sim()->pressPollingButton(plug);
    for (int i = 0; i < 200; ++i) {
      if (queue.waitAndRun(std::chrono::milliseconds(10)) > 0) break;
    }
    settle();
    advance(2000, 50);  // the on-screen display closes
  }
  void status(const std::function<void(SimStatus&)>& change) {
    SimStatus s = bus->simMouse()->status();
    change(s);
    bus->simMouse()->setStatus(s);
    advance(22000, 100);  // the next status point
  }

  // --- the steps ------------------------------------------------------------------------------
  void perform(int kind, std::uint32_t a, std::uint32_t b) {
    const int level = static_cast<int>(a % 8);
    switch (kind) {
      case kDpiBox:
        clickControl(3260 + level);
        break;
      case kDpiDrag:
        drag(3280 + level, b, true);
        break;
      case kDpiValue:
        dpiValue(level, b);
        break;
      case kDpiColour:
        if (reveal(3270 + level)) {
          script(paletteActions(b));
          clickControl(3270 + level);
        }
        break;
      case kLightMode:
        chooseFromList(3120, static_cast<int>(a % 10));
        break;
      case kLightSlider:
        drag(a % 2 ? 3200 : 3220, b, false);
        break;
      case kLightDirection:
        clickControl(a % 2 ? 3240 : 3250);
        break;
      case kLightSlot:
        if (clickControl(3180 + level)) advance(200);
        break;
      case kLightSlotColour:
        if (reveal(3180 + level)) {
          script(paletteActions(b));
          const Point p = screen(centre(control(3180 + level)->rect()));
          host.doubleClickLeft(p.x, p.y);
          settle();
          advance(200);
        }
        break;
      case kPollRadio:
        clickControl(3030 + static_cast<int>(a % 4));
        break;
      case kPollList:
        chooseFromList(3110, static_cast<int>(a % 4));
        break;
      case kLiftOff:
        clickControl(a % 2 ? 3510 : 3511);
        break;
      case kPowerDial:
        powerDial(3 + static_cast<int>(a % 8));
        break;
      case kPowerCheck:
        clickControl(a % 2 ? 3501 : 3504);
        break;
      case kPointer:
        pointer(a, b);
        break;
      case kButtonMenu:
        chooseFunction(static_cast<int>(a % 5), b, b >> 8);
        break;
      case kButtonDialog:
        buttonDialog(static_cast<int>(a % 5), b);
        break;
      case kSwitch:
        clickControl(2049 + static_cast<int>(a % 5));
        break;
      case kAdd:
        script({[this, a] { host.typeText(u"W" + decimal(static_cast<int>(a % 1000))); },
                [this] { host.tapKey(vk::kReturn); }});
        clickControl(2071);
        advance(120);
        break;
      case kRename:
        script({[this, a] { typeInto(u"R" + decimal(static_cast<int>(a % 1000))); },
                [this] { host.tapKey(vk::kReturn); }});
        clickControl(2068);
        advance(120);
        break;
      case kDelete:
        profileAction(static_cast<int>(a % 5), 3);
        break;
      case kExport:
        desktop.simShell().answerNextDialog(dataDir.path() /
                                            ("walk" + std::to_string(a % 3) + ".psf"));
        clickControl(2069);
        advance(120);
        break;
      case kImport:
        desktop.simShell().answerNextDialog(dataDir.path() /
                                            ("walk" + std::to_string(a % 3) + ".psf"));
        clickControl(2070);
        advance(120);
        break;
      case kMouseDpi:
        pressOnMouse(true, a % 2 != 0);
        break;
      case kMousePolling:
        pressOnMouse(false, a % 2 != 0);
        break;
      case kSensor:
        status([&](SimStatus& s) { s.sensorCode = kSensorCodes[a % kSensorCodes.size()]; });
        break;
      case kBattery:
        status([&](SimStatus& s) {
          s.batteryPercent = static_cast<std::uint8_t>(a % 101);
          s.chargeState = static_cast<std::uint8_t>(b % 3);
        });
        break;
      case kPlug:
        plug(a);
        break;
      case kRefused: {
        SimFaults faults = bus->simMouse()->faults();
        faults.failSet = true;
        bus->simMouse()->setFaults(faults);
        perform(kRefusedEdits[b % kRefusedEdits.size()], a, b >> 4);
        host.setIdleHandler({});
        advance(300);
        faults.failSet = false;
        bus->simMouse()->setFaults(faults);
        advance(22000, 100);  // a refused report goes out again at the next status point
        break;
      }
      default:
        break;
    }
  }

  void dpiValue(int level, std::uint32_t b) {
    auto* bar = as<CSliderControl>(3280 + level);
    if (bar == nullptr || !reveal(3280 + level)) return;
    const Rect r = bar->rect();
    const Rect thumb = bar->thumbRect();
    const int y = thumb.top - r.top > 6 ? r.top + 2 : r.bottom - 3;
    std::vector<std::function<void()>> actions;
    if (b % 3 == 0) {
      const int dpi = static_cast<int>((b >> 2) % 30000);
      actions.push_back([this, dpi] { typeInto(decimal(dpi)); });
    } else {
      const int presses = static_cast<int>((b >> 2) % 12);
      const int key = (b >> 6) % 2 ? vk::kLeft : vk::kRight;
      actions.push_back([this, presses, key] {
        for (int i = 0; i < presses; ++i) host.tapKey(key);
      });
    }
    actions.push_back(
        [this, b] { (b >> 8) % 5 == 0 ? clickDialog(290, 115) : clickDialog(360, 115); });
    script(actions);
    clickAt({(r.left + r.right) / 2, y});
  }

  void powerDial(int minutes) {
    auto* dial = as<CPowerManageButton>(3500);
    if (dial == nullptr || !dial->visible()) return;
    const Rect r = dial->rect();
    for (int y = r.top; y < r.bottom; y += 2) {
      for (int x = r.left; x < r.right; x += 2) {
        if (dial->valueAt(x, y) == minutes) {
          clickAt({x, y});
          return;
        }
      }
    }
  }

  void pointer(std::uint32_t a, std::uint32_t b) {
    constexpr std::array<int, 3> kSliders = {2043, 2041, 2044};
    switch (a % 4) {
      case 0:
        drag(kSliders[b % 3], b >> 2, false);
        break;
      case 1:
        clickControl(2030);
        break;
      default:
        clickControl(a % 4 == 2 ? 2009 : 2010);
        break;
    }
  }

  // The shortcut row (a key from the hook, some modifier boxes, OK) or the fire key row (a
  // typed count, OK).
  void buttonDialog(int button, std::uint32_t b) {
    if (b % 2 == 0) {
      const int key = 0x41 + static_cast<int>((b >> 1) % 26);
      std::vector<std::function<void()>> actions = {[this, key] {
        desktop.keyboardHook()->inject({key, false, 1});
        desktop.keyboardHook()->inject({key, true, 2});
      }};
      for (int x : {25, 82, 139, 196}) {
        if ((b >> (8 + x % 4)) & 1) actions.push_back([this, x] { clickDialog(x + 5, 77); });
      }
      actions.push_back([this] { clickDialog(290, 120); });
      script(actions);
      chooseRow(button, 9);
    } else {
      const int count = 5 + static_cast<int>((b >> 1) % 251);
      script({[this, count] { typeInto(decimal(count)); }, [this] { clickDialog(380, 120); }});
      chooseRow(button, 6);
    }
  }
  void chooseRow(int button, int row) {
    if (!clickControl(2013 + button)) return;
    if (CFunctionPopup* main = menu(ButtonAssignment::kMenuSlot)) {
      const Point p = rowPoint(*main, row);
      host.moveMouse(p.x, p.y);
      settle();
      host.clickLeft(p.x, p.y);
      settle();
      advance(120);
    }
  }

  // A right click on a slot opens its actions 161 right of it and 20 above its bottom.
  void profileAction(int slot, int row) {
    if (!clickControl(2049 + slot, true)) return;
    const Rect r = control(2049 + slot)->rect();
    clickAt({r.left + 161 + 5, r.bottom - 20 + 25 * row + 5});
    advance(120);
  }

  void plug(std::uint32_t a) {
    const bool cable = bus->simPlugId(SimProduct::Cable) != 0;
    const bool receiver = bus->simPlugId(SimProduct::Receiver) != 0;
    if (cable && receiver) {
      bus->simUnplug(a % 2 ? SimProduct::Cable : SimProduct::Receiver);
    } else {
      bus->simPlug(cable ? SimProduct::Receiver : SimProduct::Cable);
    }
    settle();
    advance(3000, 50);
  }

  // --- the checks -----------------------------------------------------------------------------
  std::optional<std::string> check() {
    const ProfileRecord& p = profile();
    if (auto r = test::firmwareMatches(bus->simMouse()->decoded(), p); !r) {
      return std::string("the mouse holds another ") + r.message() + " than profile " +
             std::to_string(data->currentProfile()) + " says";
    }
    return controls(p);
  }

  std::optional<std::string> controls(const ProfileRecord& p) {
    std::ostringstream out;
    const auto expect = [&](bool ok, int id, const char* what) {
      if (!ok && out.tellp() == 0) out << "control " << id << " shows another " << what;
    };
    const int stepCount = std::max(1, data->dpiSteps.stepCount());
    for (int k = 0; k < 8; ++k) {
      const auto ku = static_cast<std::size_t>(k);
      const int step = p.XYSetting[ku];
      expect(as<CCheckButton>(3260 + k)->checked() == (((p.DPIOffOnFlag >> k) & 1) != 0), 3260 + k,
             "enable state");
      expect(as<CDPIValueShowControl>(3300 + k)->stepIndex() == step, 3300 + k, "step");
      expect(as<CSliderControl>(3280 + k)->position() == step, 3280 + k, "step");
      if (step < stepCount) {
        expect(control(3290 + k)->text() == decimal(data->dpiSteps.dpiOfStep(step).value_or(-1)),
               3290 + k, "resolution");
      }
      expect(as<CColorSelectButton>(3270 + k)->colour() == p.DPILevelIndication[ku], 3270 + k,
             "colour");
    }
    const std::size_t m = std::min<std::size_t>(p.Lighting1ModeValue[0], 9);
    expect(control(3120)->text() == p.Lighting1Name, 3120, "effect name");
    const auto* speed = as<CSliderControl>(3200);
    expect(speed->position() == std::min(p.Lighting1Speed[m] + 0, speed->stopCount() - 1), 3200,
           "speed");
    expect(control(3210)->text() == decimal(p.Lighting1Speed[m] + 1), 3210, "speed");
    const auto* bright = as<CSliderControl>(3220);
    expect(bright->position() == std::min(p.Lighting1Brightness[m] + 0, bright->stopCount() - 1),
           3220, "brightness");
    constexpr std::array<const char16_t*, 4> kPercent = {u"25%", u"50%", u"75%", u"100%"};
    expect(control(3230)->text() == kPercent[p.Lighting1Brightness[m] % 4], 3230, "brightness");
    expect(as<CRadioButton>(3240)->marked() == (p.Lighting1Direction[m] != 0), 3240, "direction");
    for (int k = 0; k < 8; ++k) {
      const auto* slot = as<CColorSelectCheckButton>(3180 + k);
      const auto ku = static_cast<std::size_t>(k);
      expect(slot->colour() == p.Lighting1FixedColor[m][ku], 3180 + k, "colour");
      expect(slot->selected() == (p.Lighting1ColorSelected[m][ku] != 0), 3180 + k, "selection");
    }
    const int rate = std::min<int>(p.PollingRateValue[0], 3);
    for (int r = 0; r < 4; ++r) {
      expect(as<CRadioButton>(3030 + r)->marked() == (r == rate), 3030 + r, "rate");
    }
    expect(control(3110)->text() == p.PollingRateName, 3110, "rate name");
    expect(as<CRadioButton>(3510)->marked() == (p.number(Setting::LiftDetectionHeight) == 1), 3510,
           "lift-off");
    const int debounce = p.number(Setting::KeyDebounce);
    expect(as<CSliderControl>(3530)->position() == debounce / 2, 3530, "debounce");
    expect(as<CPowerManageButton>(3500)->value() == p.number(Setting::PowerDownTime), 3500,
           "sleep time");
    expect(as<CCheckButton>(3501)->checked() == (p.number(Setting::MoveLightingOnOffMode) == 1),
           3501, "lights-off state");
    expect(as<CCheckButton>(3504)->checked() == (p.number(Setting::MotionWakeup) == 1), 3504,
           "wake-up state");
    expect(as<CSliderControl>(2043)->position() == p.number(Setting::PointerSpeed), 2043, "speed");
    expect(as<CSliderControl>(2041)->position() == p.number(Setting::ScrollWheelSpeed), 2041,
           "lines");
    expect(as<CSliderControl>(2044)->position() == p.number(Setting::DoubleClickSpeed), 2044,
           "double-click speed");
    expect(as<CCheckButton>(2030)->checked() == (p.number(Setting::AccelerationEnable) == 1), 2030,
           "acceleration");
    expect(as<CRadioButton>(2010)->marked() == (p.number(Setting::ScrollWheelPageEnable) == 1),
           2010, "scrolling");
    for (int k = 0; k < 5; ++k) {
      expect(control(2013 + k)->text() == p.keys[static_cast<std::size_t>(k)].Name, 2013 + k,
             "function");
    }
    const ShowList list = data->config.showList();
    for (int k = 0; k < 5; ++k) {
      const auto* shown =
          data->profiles.record(static_cast<std::size_t>(list.order[static_cast<std::size_t>(k)]));
      expect(control(2049 + k)->shown() == (k < list.count), 2049 + k, "presence");
      if (k < list.count)
        expect(control(2049 + k)->text() == shown->pairValue(0), 2049 + k, "name");
    }
    if (out.tellp() == 0) return std::nullopt;
    return out.str();
  }

  // Nothing changes that the step had no business changing.
  std::optional<std::string> frame(const std::array<ProfileRecord, kProfileCount>& before,
                                   std::size_t current, Allowed allowed) {
    for (std::size_t i = 0; i < kProfileCount; ++i) {
      ProfileRecord expected = before[i];
      const ProfileRecord& now = *data->profiles.record(i);
      takeFamilies(expected, now, allowed.every | (i == current ? allowed.current : 0));
      if (!(expected == now)) {
        return "profile " + std::to_string(i) +
               " changed where the step did not reach: " + difference(expected, now);
      }
    }
    return std::nullopt;
  }

  static std::string difference(const ProfileRecord& a, const ProfileRecord& b) {
    std::ostringstream out;
    for (std::size_t i = 0; i < kSettingPairCount; ++i) {
      if (!(a.pairs[i] == b.pairs[i])) out << "pair " << i << "; ";
    }
    if (a.keys != b.keys) out << "buttons; ";
    if (a.PollingRateName != b.PollingRateName || a.PollingRateValue != b.PollingRateValue)
      out << "polling rate; ";
    for (std::size_t m = 0; m < kLightingModeCount; ++m) {
      if (a.Lighting1Speed[m] != b.Lighting1Speed[m])
        out << "speed of mode " << m << " " << int(a.Lighting1Speed[m]) << " -> "
            << int(b.Lighting1Speed[m]) << "; ";
      if (a.Lighting1Brightness[m] != b.Lighting1Brightness[m])
        out << "brightness of mode " << m << " " << int(a.Lighting1Brightness[m]) << " -> "
            << int(b.Lighting1Brightness[m]) << "; ";
      if (a.Lighting1Direction[m] != b.Lighting1Direction[m])
        out << "direction of mode " << m << "; ";
    }
    if (a.Lighting1ModeValue != b.Lighting1ModeValue || a.Lighting1Name != b.Lighting1Name)
      out << "effect; ";
    if (a.Lighting1ColorSelected != b.Lighting1ColorSelected ||
        a.Lighting1FixedColor != b.Lighting1FixedColor)
      out << "lighting colours; ";
    if (a.DPIOffOnFlag != b.DPIOffOnFlag) out << "DPI mask; ";
    if (a.CurrentDPILevel != b.CurrentDPILevel)
      out << "DPI level " << int(a.CurrentDPILevel) << " -> " << int(b.CurrentDPILevel) << "; ";
    if (a.XYSetting != b.XYSetting) out << "DPI steps; ";
    if (a.DPILevelIndication != b.DPILevelIndication) out << "DPI colours; ";
    return out.str();
  }

  std::uint32_t seed_;
  bool narrow_;
  TempDir dataDir;
  OpenDialogTable dialogs;
  SimWindowSystem host;
  SimDesktop desktop{host};
  VirtualClock clock;
  TaskQueue queue;
  std::unique_ptr<DeviceBus> bus = std::make_unique<DeviceBus>(true);
  std::unique_ptr<AppData> data;
  std::unique_ptr<SkinContext> skin;
  std::unique_ptr<CKestrinDlg> window;
  int notices_ = 0;
  std::uint32_t layoutKey_ = ~0u;
};

int kindNamed(const std::string& name) {
  for (int k = 0; k < kKindCount; ++k) {
    if (name == kKinds[static_cast<std::size_t>(k)].name) return k;
  }
  return -1;
}

// Two failures are the same when they name the same disagreement; the values may differ.
bool sameKind(const std::string& a, const std::string& b) {
  return a.substr(0, a.find(':')) == b.substr(0, b.find(':'));
}

}  // namespace

std::vector<WalkStep> makeWalk(std::uint32_t seed, std::size_t count,
                               const std::vector<std::string>& excluded) {
  std::array<int, kKindCount> weights{};
  int total = 0;
  for (int k = 0; k < kKindCount; ++k) {
    const bool out = std::find_if(excluded.begin(), excluded.end(), [&](const std::string& n) {
                       return kindNamed(n) == k;
                     }) != excluded.end();
    weights[static_cast<std::size_t>(k)] = out ? 0 : kKinds[static_cast<std::size_t>(k)].weight;
    total += weights[static_cast<std::size_t>(k)];
  }
  SplitMix random(seed);
  std::vector<WalkStep> steps;
  while (steps.size() < count && total > 0) {
    int pick = random.below(total);
    int kind = 0;
    while (pick >= weights[static_cast<std::size_t>(kind)])
      pick -= weights[static_cast<std::size_t>(kind++)];
    steps.push_back({kind, random.next(), random.next()});
  }
  return steps;
}

std::optional<WalkFailure> runWalk(std::uint32_t seed, const std::vector<WalkStep>& steps,
                                   bool narrowLighting) {
  Walker walker(seed, narrowLighting);
  if (auto failed = walker.begin()) return WalkFailure{kBeforeTheWalk, "at the start: " + *failed};
  for (std::size_t i = 0; i < steps.size(); ++i) {
    if (auto failed = walker.step(steps[i])) return WalkFailure{i, *failed};
  }
  return std::nullopt;
}

std::vector<WalkStep> shrinkWalk(std::uint32_t seed, std::vector<WalkStep> steps,
                                 const std::string& what, std::chrono::seconds budget,
                                 bool narrowLighting) {
  const auto until = std::chrono::steady_clock::now() + budget;
  const auto left = [&] { return std::chrono::steady_clock::now() < until; };
  const auto failing = [&](const std::vector<WalkStep>& candidate) -> std::optional<std::size_t> {
    if (auto f = runWalk(seed, candidate, narrowLighting); f && sameKind(f->what, what)) {
      return f->step;
    }
    return std::nullopt;
  };
  for (std::size_t chunk = std::max<std::size_t>(1, steps.size() / 2); chunk > 0 && left();) {
    bool removed = false;
    for (std::size_t at = 0; at < steps.size() && left();) {
      std::vector<WalkStep> candidate = steps;
      candidate.erase(candidate.begin() + static_cast<long>(at),
                      candidate.begin() + static_cast<long>(std::min(at + chunk, steps.size())));
      if (const auto fails = failing(candidate)) {
        candidate.resize(*fails + 1);
        steps = std::move(candidate);
        removed = true;
      } else {
        at += chunk;
      }
    }
    if (!removed) chunk /= 2;
  }
  return steps;
}

std::string describe(const WalkStep& step) {
  const char* name = step.kind >= 0 && step.kind < kKindCount
                         ? kKinds[static_cast<std::size_t>(step.kind)].name
                         : "?";
  return std::string(name) + " " + std::to_string(step.a) + " " + std::to_string(step.b);
}

}  // namespace pelorin::testing
