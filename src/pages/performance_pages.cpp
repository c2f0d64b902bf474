// The polling rate, lift-off distance, debounce time and pointer settings groups. Polling,
// lift-off and pointer settings are written against their group's content origin; the debounce
// group is never shown and keeps its creation places.
#include <array>

#include "lang/text_ids.h"

#include "pages/pages.h"

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
    {3511, ControlKind::Radio, {77, 16, 92, 31}, kRadio},
    {3520, ControlKind::Label, {38, 14, 75, 32}, {}, text_id::kLiftOff1mm},
    {3521, ControlKind::Label, {97, 14, 160, 32}, {}, text_id::kLiftOff2mm},
}};

constexpr std::array<ControlRow, 3> kDebounceTable = {{
    {3531, ControlKind::Picture, {761, 224, 906, 227}, {kBar}},
    {3530, ControlKind::Slider, {761, 219, 906, 232}, {kThumb}},
    {3532, ControlKind::Value, {912, 216, 952, 234}, {}, kNoText, u"12ms"},
}};

constexpr std::array<ControlRow, 19> kPointerTable = {{
    {3133, ControlKind::Label, {14, 4, 114, 22}, {}, text_id::kPointerSpeed},
    {3139, ControlKind::Picture, {118, 12, 218, 15}, {kBar2}},
    {2043, ControlKind::Slider, {118, 7, 218, 20}, {kThumb}},
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
    {3137, ControlKind::Label, {137, 40, 182, 58}, {}, text_id::kScrollLines},
    {2010, ControlKind::Radio, {186, 42, 201, 57}, kRadio},
    {3136, ControlKind::Label, {205, 40, 256, 58}, {}, text_id::kScrollScreen},
    {3140, ControlKind::Picture, {118, 66, 218, 69}, {kBar2}},
    {2041, ControlKind::Slider, {118, 61, 218, 74}, {kThumb}},
    {3131, ControlKind::Value, {224, 58, 254, 76}, {}, kNoText, u"5"},
    {3138, ControlKind::Label, {14, 80, 114, 98}, {}, text_id::kDoubleClickSpeed},
    {3141, ControlKind::Picture, {118, 88, 218, 91}, {kBar2}},
    {2044, ControlKind::Slider, {118, 83, 218, 96}, {kThumb}},
    {3132, ControlKind::Value, {224, 80, 254, 98}, {}, kNoText, u"6"},
}};

// The combo names the profile's polling rate; the rate buttons are the polling issue's.
class PollingPage final : public Page {
 public:
  PollingPage() : Page(kPollingTable) {}
  void refresh(const ProfileRecord& profile) override {
    control(3110)->setText(profile.PollingRateName);
  }
};

}  // namespace

std::unique_ptr<Page> makePollingPage() {
  return std::make_unique<PollingPage>();
}

std::unique_ptr<Page> makeLiftOffPage() {
  return std::make_unique<Page>(kLiftOffTable);
}
std::unique_ptr<Page> makeDebouncePage() {
  return std::make_unique<Page>(kDebounceTable);
}
std::unique_ptr<Page> makePointerPage() {
  return std::make_unique<Page>(kPointerTable);
}

}  // namespace pelorin
