// The polling rate, lift-off distance, debounce time and pointer settings groups. Polling,
// lift-off and pointer settings are written against their group's content origin; the debounce
// group is never shown and keeps its creation places.
#include <algorithm>
#include <array>

#include "keys/decimal_text.h"
#include "lang/text_ids.h"
#include "pages/pages.h"
#include "profile/value_captions.h"
#include "profile/value_domains.h"
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
  return {kPollingRates[static_cast<std::size_t>(k)].controlId,
          ControlKind::Radio,
          {18 + kRateStep * k, 12, 90 + kRateStep * k, 84},
          {normal, down, down}};
}
constexpr ControlRow rateCaption(int k) {
  return {3142 + k,
          ControlKind::Value,
          {18 + kRateStep * k, 26, 65 + kRateStep * k, 44},
          {},
          kPollingRates[static_cast<std::size_t>(k)].captionTextId};
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
    {kLiftOffHeights[0].controlId, ControlKind::Radio, {18, 16, 33, 31}, kRadio},
    {kLiftOffHeights[1].controlId, ControlKind::Radio, {96, 16, 111, 31}, kRadio},
    {3520, ControlKind::Label, {38, 14, 92, 32}, {}, kLiftOffHeights[0].captionTextId},
    {3521, ControlKind::Label, {116, 14, 176, 32}, {}, kLiftOffHeights[1].captionTextId},
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

// The rate buttons and the list both choose one of the rates.
constexpr int kRates = static_cast<int>(kPollingRates.size());
constexpr int kFirstRateCaption = 3142;
constexpr int kRateCombo = 3110;
constexpr unsigned kRateComboMessage = 1134;
constexpr unsigned kRateChosen = 1135;
constexpr unsigned kRateListClosed = 1136;
constexpr int kRateListKind = 8;
constexpr std::uint32_t kFirstRateBit = 0x10000;
constexpr Colour kActiveRate = 0xFFFFFF;
constexpr Colour kOtherRate = 0xB4B4B4;

class PollingPage final : public Page {
 public:
  PollingPage() : Page(kPollingTable) {}

  void refresh(const ProfileRecord& profile) override {
    const int rate = pollingRateOf(profile.PollingRateValue[0]).stored;
    for (int k = 0; k < kRates; ++k) options().clear(kFirstRateBit << k);
    options().set(kFirstRateBit << rate);
    for (int k = 0; k < kRates; ++k) {
      static_cast<CStaticText*>(control(kFirstRateCaption + k))
          ->setColour(k == rate ? kActiveRate : kOtherRate);
    }
    combo().setText(profile.PollingRateName);
  }

  bool onNotify(int id, int code, std::intptr_t) override {
    if (host() == nullptr || profile() == nullptr) return false;
    const auto message = static_cast<unsigned>(id);
    if (const PollingRate* rate = rateOfButton(id)) {
      if (code == notify::kClicked) store(*rate, rate->name, true);
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

  static const PollingRate* rateOfButton(int id) {
    for (const PollingRate& rate : kPollingRates) {
      if (rate.controlId == id) return &rate;
    }
    return nullptr;
  }

  // The buttons keep the reserved bytes of the value; the list's rows carry them as zero.
  void store(const PollingRate& rate, std::u16string_view name, bool keepReserved) {
    host()->edit(SettingGroup::Performance, [&rate, name, keepReserved](ProfileRecord& p) {
      p.PollingRateName = name;
      p.PollingRateValue =
          keepReserved ? ByteTriple{rate.stored, p.PollingRateValue[1], p.PollingRateValue[2]}
                       : ByteTriple{rate.stored, 0, 0};
    });
  }

  void openList() {
    ListPopup list{kRateListKind, kRateChosen, {}, -1};
    for (const PollingRate& rate : kPollingRates) list.rows.emplace_back(rate.listName);
    list.marked = pollingRateOf(profile()->PollingRateValue[0]).stored;
    combo().setPopupOpen(true);
    host()->openList(combo(), std::move(list));
  }

  // The list's captions are the names it stores.
  void chooseEntry(int entry) {
    closeList();
    if (entry < 0 || entry >= kRates) return;
    const PollingRate& rate = kPollingRates[static_cast<std::size_t>(entry)];
    store(rate, rate.listName, false);
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

  // Any stored height but the first shows as the second, as the mouse takes it.
  void refresh(const ProfileRecord& profile) override {
    options().clear(kHeightOneBit | kHeightTwoBit);
    options().set(profile.number(Setting::LiftDetectionHeight) == kLiftOffHeights[0].stored
                      ? kHeightOneBit
                      : kHeightTwoBit);
  }
  bool onNotify(int id, int code, std::intptr_t) override {
    for (const LiftOffHeight& height : kLiftOffHeights) {
      if (height.controlId != id || host() == nullptr) continue;
      if (code == notify::kClicked) {
        host()->edit(SettingGroup::Performance,
                     [&height](ProfileRecord& p) { p.setLiftDetectionHeight(height.stored); });
      }
      return true;
    }
    return false;
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
    control(kDebounceText)->setText(keyDebounceText(profile.number(Setting::KeyDebounce)));
  }
  bool onNotify(int id, int code, std::intptr_t wParam) override {
    if (host() == nullptr || id != kDebounceSlider) return false;
    if (code == notify::kDragged) show(static_cast<int>(wParam));
    if (code == notify::kClicked) {
      const int ms = 2 * sliderOf(*this, kDebounceSlider).position();
      host()->edit(SettingGroup::Performance, [ms](ProfileRecord& p) { p.setKeyDebounce(ms); });
    }
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
  void (ProfileRecord::*setter)(int);
  void store(ProfileRecord& p, int position) const { (p.*setter)(position); }
};
constexpr std::array<PointerSlider, 3> kPointerSliders = {{
    {2043, 3130, 20, Setting::PointerSpeed, &ProfileRecord::setPointerSpeed},
    {2041, 3131, 20, Setting::ScrollWheelSpeed, &ProfileRecord::setScrollWheelSpeed},
    {2044, 3132, 11, Setting::DoubleClickSpeed, &ProfileRecord::setDoubleClickSpeed},
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
      show(s, profile.number(s.setting));
    }
    acceleration().setChecked(profile.number(Setting::AccelerationEnable) == 1);
    options().clear(kLinesBit | kPagesBit);
    options().set(profile.number(Setting::ScrollWheelPageEnable) == 1 ? kPagesBit : kLinesBit);
    control(kScrollLines)->setDisabled(options().holds(kPagesBit));
  }

  bool onNotify(int id, int code, std::intptr_t wParam) override {
    if (host() == nullptr) return false;
    for (const auto& s : kPointerSliders) {
      if (s.slider != id) continue;
      if (code == notify::kDragged) show(s, static_cast<int>(wParam));
      if (code == notify::kClicked) {
        const int position = sliderOf(*this, id).position();
        host()->edit(std::nullopt, [&s, position](ProfileRecord& p) { s.store(p, position); });
      }
      return true;
    }
    if (id != kAcceleration && id != kByLines && id != kByPages) return false;
    if (code != notify::kClicked) return true;
    if (id == kAcceleration) {
      const bool on = acceleration().checked();
      host()->edit(std::nullopt, [on](ProfileRecord& p) { p.setAccelerationEnable(on ? 1 : 0); });
    } else {
      const bool pages = id == kByPages;
      host()->edit(std::nullopt,
                   [pages](ProfileRecord& p) { p.setScrollWheelPageEnable(pages ? 1 : 0); });
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
