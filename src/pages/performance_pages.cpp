// The polling rate, lift-off distance, debounce time and pointer settings groups. Polling,
// lift-off and pointer settings are written against their group's content origin; the debounce
// group is never shown and keeps its creation places.
#include <algorithm>
#include <array>

#include "keys/decimal_text.h"
#include "lang/text_ids.h"
#include "pages/pages.h"
#include "profile/value_captions.h"
#include "skin/check_button.h"
#include "skin/combo_button.h"
#include "skin/notify_code.h"
#include "skin/slider_control.h"
#include "skin/static_text.h"

namespace pelorin {
namespace {

constexpr const char* kBar = "skins\\Slider_bar.png";
constexpr const char* kBar2 = "skins\\Slider_bar2.png";
constexpr const char* kThumb = "skins\\Slider_Circle.png";
constexpr std::array<const char*, 4> kRadio = {"skins\\radio_nr.png", "skins\\radio_ov.png",
                                               "skins\\radio_dn.png"};
constexpr std::array<const char*, 4> kCheck = {"skins\\check_nr.png", "skins\\check_ov.png",
                                               "skins\\check_dn.png"};
constexpr int kRateStep = 59;

constexpr ControlRow rateTile(int k, const char* normal, const char* down) {
  return {3030 + k,
          ControlKind::Radio,
          {18 + kRateStep * k, 12, 90 + kRateStep * k, 84},
          {normal, down, down}};
}
constexpr ControlRow rateCaption(int k) {
  return {3142 + k,
          ControlKind::Value,
          {18 + kRateStep * k, 26, 65 + kRateStep * k, 44},
          {},
          text_id::kRate125Hz + k};
}

constexpr std::array<ControlRow, 9> kPollingTable = {{
    rateTile(0, "skins\\125hz_nr.png", "skins\\125hz_dn.png"),
    rateTile(1, "skins\\250hz_nr.png", "skins\\250hz_dn.png"),
    rateTile(2, "skins\\500hz_nr.png", "skins\\500hz_dn.png"),
    rateTile(3, "skins\\1000hz_nr.png", "skins\\1000hz_dn.png"),
    rateCaption(0),
    rateCaption(1),
    rateCaption(2),
    rateCaption(3),
    {3110,
     ControlKind::Combo,
     {30, 92, 219, 117},
     {"skins\\combo2_nr.png", "skins\\combo2_ov.png"},
     kNoText,
     {},
     1134},
}};

constexpr std::array<ControlRow, 4> kLiftOffTable = {{
    {3510, ControlKind::Radio, {18, 16, 33, 31}, kRadio},
    {3511, ControlKind::Radio, {96, 16, 111, 31}, kRadio},
    {3520, ControlKind::Label, {38, 14, 92, 32}, {}, text_id::kLiftOff1mm},
    {3521, ControlKind::Label, {116, 14, 176, 32}, {}, text_id::kLiftOff2mm},
}};

constexpr std::array<ControlRow, 3> kDebounceTable = {{
    {3531, ControlKind::Picture, {761, 224, 906, 227}, {kBar}},
    {3530, ControlKind::Slider, {761, 219, 906, 232}, {kThumb}},
    {3532, ControlKind::Value, {912, 216, 952, 234}, {}, kNoText, u"12ms"},
}};

constexpr std::array<ControlRow, 19> kPointerTable = {{
    {3133, ControlKind::Label, {14, 4, 138, 22}, {}, text_id::kPointerSpeed},
    {3139, ControlKind::Picture, {142, 12, 218, 15}, {kBar2}},
    {2043, ControlKind::Slider, {142, 7, 218, 20}, {kThumb}},
    {3130, ControlKind::Value, {224, 4, 254, 22}, {}, kNoText, u"6"},
    {2030, ControlKind::Check, {16, 26, 27, 37}, kCheck},
    {3134, ControlKind::Label, {34, 22, 146, 40}, {}, text_id::kPointerAcceleration},
    {3330,
     ControlKind::Button,
     {150, 23, 254, 39},
     {"skins\\button4_nr.png", "skins\\button4_nr.png"},
     text_id::kMouseProperties},
    {3135, ControlKind::Label, {14, 40, 114, 58}, {}, text_id::kScrollWheel},
    {2009, ControlKind::Radio, {118, 42, 133, 57}, kRadio},
    {3137, ControlKind::Label, {136, 40, 186, 58}, {}, text_id::kScrollLines},
    {2010, ControlKind::Radio, {188, 42, 203, 57}, kRadio},
    {3136, ControlKind::Label, {206, 40, 262, 58}, {}, text_id::kScrollScreen},
    {3140, ControlKind::Picture, {142, 66, 218, 69}, {kBar2}},
    {2041, ControlKind::Slider, {142, 61, 218, 74}, {kThumb}},
    {3131, ControlKind::Value, {224, 58, 254, 76}, {}, kNoText, u"5"},
    {3138, ControlKind::Label, {14, 80, 138, 98}, {}, text_id::kDoubleClickSpeed},
    {3141, ControlKind::Picture, {142, 88, 218, 91}, {kBar2}},
    {2044, ControlKind::Slider, {142, 83, 218, 96}, {kThumb}},
    {3132, ControlKind::Value, {224, 80, 254, 98}, {}, kNoText, u"6"},
}};

CSliderControl& sliderOf(const Page& page, int id) {
  return static_cast<CSliderControl&>(*page.control(id));
}

// The rate buttons and the list both choose one of the four rates.
constexpr int kFirstRate = 3030;
constexpr int kRates = 4;
constexpr int kFirstRateCaption = 3142;
constexpr int kRateCombo = 3110;
constexpr unsigned kRateComboMessage = 1134;
constexpr unsigned kRateChosen = 1135;
constexpr unsigned kRateListClosed = 1136;
constexpr int kRateListKind = 8;
constexpr std::array<std::uint32_t, kRates> kRateBits = {0x10000, 0x20000, 0x40000, 0x80000};
constexpr std::array<std::u16string_view, kRates> kRateNames = {u"125HZ", u"250HZ", u"500HZ",
                                                                u"1000HZ"};
constexpr Colour kActiveRate = 0xFFFFFF;
constexpr Colour kOtherRate = 0xB4B4B4;

class PollingPage final : public Page {
 public:
  PollingPage() : Page(kPollingTable) {}

  void refresh(const ProfileRecord& profile) override {
    const int rate = std::min<int>(profile.PollingRateValue[0], kRates - 1);
    for (std::uint32_t bit : kRateBits) options().clear(bit);
    options().set(kRateBits[static_cast<std::size_t>(rate)]);
    for (int k = 0; k < kRates; ++k) {
      static_cast<CStaticText*>(control(kFirstRateCaption + k))
          ->setColour(k == rate ? kActiveRate : kOtherRate);
    }
    combo().setText(profile.PollingRateName);
  }

  bool onNotify(int id, int code, std::intptr_t) override {
    if (host() == nullptr || profile() == nullptr) return false;
    const auto message = static_cast<unsigned>(id);
    if (id >= kFirstRate && id < kFirstRate + kRates) {
      if (code == notify::kClicked) chooseButton();
    } else if (message == kRateComboMessage) {
      if (code == notify::kClicked) openList();
    } else if (message == kRateChosen) {
      chooseEntry(code);
    } else if (message == kRateListClosed) {
      closeList();
    } else {
      return false;
    }
    return true;
  }

 private:
  CComboButton& combo() const { return static_cast<CComboButton&>(*control(kRateCombo)); }

  void chooseButton() {
    for (int k = 0; k < kRates; ++k) {
      if (!options().holds(kRateBits[static_cast<std::size_t>(k)])) continue;
      profile()->PollingRateName = kRateNames[static_cast<std::size_t>(k)];
      profile()->PollingRateValue[0] = static_cast<std::uint8_t>(k);
    }
    host()->transfer(SettingGroup::Performance);
    host()->refreshPages();
  }

  void openList() {
    ListPopup list{kRateListKind, kRateChosen, {}, -1};
    for (int k = 0; k < kRates; ++k) list.rows.emplace_back(pollingRateCaption(k));
    list.marked = std::min<int>(profile()->PollingRateValue[0], kRates - 1);
    combo().setPopupOpen(true);
    host()->openList(combo(), std::move(list));
  }

  // The list's captions are the names it stores; the reserved bytes of the value are zero.
  void chooseEntry(int entry) {
    closeList();
    if (entry < 0 || entry >= kRates) return;
    profile()->PollingRateName = pollingRateCaption(entry);
    profile()->PollingRateValue = {static_cast<std::uint8_t>(entry), 0, 0};
    host()->refreshPages();
    host()->transfer(SettingGroup::Performance);
  }

  void closeList() {
    combo().setPopupOpen(false);
    host()->closeList();
  }
};

constexpr std::uint32_t kHeightOneBit = 0x100000;
constexpr std::uint32_t kHeightTwoBit = 0x200000;

class LiftOffPage final : public Page {
 public:
  LiftOffPage() : Page(kLiftOffTable) {}

  void refresh(const ProfileRecord& profile) override {
    options().clear(kHeightOneBit | kHeightTwoBit);
    options().set(profile.number(Setting::LiftDetectionHeight) == 1 ? kHeightOneBit
                                                                    : kHeightTwoBit);
  }
  void collect(ProfileRecord& profile) const override {
    profile.setLiftDetectionHeight(options().holds(kHeightOneBit) ? 1 : 2);
  }
  bool onNotify(int id, int code, std::intptr_t) override {
    if (host() == nullptr || (id != 3510 && id != 3511)) return false;
    if (code == notify::kClicked) {
      host()->transfer(SettingGroup::Performance);
      host()->refreshPages();
    }
    return true;
  }
};

// The slider's position p stands for 2p milliseconds.
constexpr int kDebounceSlider = 3530;
constexpr int kDebounceText = 3532;
constexpr int kDebounceSteps = 32;

class DebouncePage final : public Page {
 public:
  DebouncePage() : Page(kDebounceTable) {}

  void refresh(const ProfileRecord& profile) override {
    sliderOf(*this, kDebounceSlider).setPosition(keyDebounceSliderPosition(profile));
    show(sliderOf(*this, kDebounceSlider).position());
  }
  void collect(ProfileRecord& profile) const override {
    profile.setKeyDebounce(2 * sliderOf(*this, kDebounceSlider).position());
  }
  bool onNotify(int id, int code, std::intptr_t wParam) override {
    if (host() == nullptr || id != kDebounceSlider) return false;
    show(code == notify::kDragged ? static_cast<int>(wParam)
                                  : sliderOf(*this, kDebounceSlider).position());
    if (code == notify::kClicked) host()->transfer(SettingGroup::Performance);
    return true;
  }

 protected:
  void created() override { sliderOf(*this, kDebounceSlider).setStopCount(kDebounceSteps); }

 private:
  void show(int position) const { control(kDebounceText)->setText(keyDebounceText(2 * position)); }
};

// The pointer settings are kept with the profile only; nothing of them reaches the mouse or the
// system.
struct PointerSlider {
  int slider;
  int text;
  int steps;
  Setting setting;
};
constexpr std::array<PointerSlider, 3> kPointerSliders = {{
    {2043, 3130, 20, Setting::PointerSpeed},
    {2041, 3131, 20, Setting::ScrollWheelSpeed},
    {2044, 3132, 11, Setting::DoubleClickSpeed},
}};
constexpr int kAcceleration = 2030;
constexpr int kByLines = 2009;
constexpr int kByPages = 2010;
constexpr std::uint32_t kLinesBit = 0x80;
constexpr std::uint32_t kPagesBit = 0x100;
constexpr int kScrollLines = 2041;

class PointerPage final : public Page {
 public:
  PointerPage() : Page(kPointerTable) {}

  void refresh(const ProfileRecord& profile) override {
    for (const auto& s : kPointerSliders) {
      sliderOf(*this, s.slider).setPosition(profile.number(s.setting));
      show(s, sliderOf(*this, s.slider).position());
    }
    acceleration().setChecked(profile.number(Setting::AccelerationEnable) == 1);
    options().clear(kLinesBit | kPagesBit);
    options().set(profile.number(Setting::ScrollWheelPageEnable) == 1 ? kPagesBit : kLinesBit);
    control(kScrollLines)->setDisabled(options().holds(kPagesBit));
  }

  void collect(ProfileRecord& profile) const override {
    profile.setPointerSpeed(sliderOf(*this, 2043).position());
    profile.setScrollWheelSpeed(sliderOf(*this, 2041).position());
    profile.setDoubleClickSpeed(sliderOf(*this, 2044).position());
    profile.setAccelerationEnable(acceleration().checked() ? 1 : 0);
    profile.setScrollWheelPageEnable(options().holds(kPagesBit) ? 1 : 0);
  }

  bool onNotify(int id, int code, std::intptr_t wParam) override {
    if (host() == nullptr) return false;
    for (const auto& s : kPointerSliders) {
      if (s.slider != id) continue;
      show(s, code == notify::kDragged ? static_cast<int>(wParam) : sliderOf(*this, id).position());
      if (code == notify::kClicked) host()->transfer(std::nullopt);
      return true;
    }
    if (id != kAcceleration && id != kByLines && id != kByPages) return false;
    if (code == notify::kClicked) {
      host()->transfer(std::nullopt);
      host()->refreshPages();
    }
    return true;
  }

 protected:
  void created() override {
    for (const auto& s : kPointerSliders) sliderOf(*this, s.slider).setStopCount(s.steps);
  }

 private:
  CCheckButton& acceleration() const { return static_cast<CCheckButton&>(*control(kAcceleration)); }
  void show(const PointerSlider& s, int position) const {
    control(s.text)->setText(decimalText(position + 1));
  }
};

}  // namespace

std::unique_ptr<Page> makePollingPage() {
  return std::make_unique<PollingPage>();
}

std::unique_ptr<Page> makeLiftOffPage() {
  return std::make_unique<LiftOffPage>();
}
std::unique_ptr<Page> makeDebouncePage() {
  return std::make_unique<DebouncePage>();
}
std::unique_ptr<Page> makePointerPage() {
  return std::make_unique<PointerPage>();
}

}  // namespace pelorin
