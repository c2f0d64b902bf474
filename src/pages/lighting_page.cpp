// The lighting group, written against its content origin.
#include <array>

#include "lang/text_ids.h"

#include "pages/pages.h"

namespace pelorin {
namespace {

constexpr const char* kBar = "skins\\Slider_bar.png";
constexpr const char* kThumb = "skins\\Slider_Circle.png";
constexpr const char* kSlotNormal = "skins\\color_select_nr.png";
constexpr const char* kSlotChecked = "skins\\color_select_check.png";

constexpr ControlRow slot(int k) {
  return {3180 + k,
          ControlKind::ColourSlot,
          {42 + 26 * k, 134, 63 + 26 * k, 154},
          {kSlotNormal, kSlotChecked}};
}

constexpr std::array<ControlRow, 21> kLightingTable = {{
    {3120,
     ControlKind::Combo,
     {40, 11, 229, 36},
     {"skins\\combo3_nr.png", "skins\\combo3_ov.png"},
     kNoText,
     {},
     1144},
    {3162, ControlKind::Label, {42, 42, 132, 60}, {}, text_id::kBrightness},
    {3163, ControlKind::Label, {42, 42, 132, 60}, {}, text_id::kSpeed},
    {3191, ControlKind::Picture, {42, 72, 187, 75}, {kBar}},
    {3190, ControlKind::Picture, {42, 72, 187, 75}, {kBar}},
    {3220, ControlKind::Slider, {42, 67, 187, 80}, {kThumb}},
    {3200, ControlKind::Slider, {42, 67, 187, 80}, {kThumb}},
    {3230, ControlKind::Value, {195, 64, 235, 82}, {}, kNoText, u"100%"},
    {3210, ControlKind::Value, {195, 64, 226, 82}, {}, kNoText, u"1"},
    {3161, ControlKind::Label, {42, 107, 252, 125}, {}, text_id::kColors},
    slot(0),
    slot(1),
    slot(2),
    slot(3),
    slot(4),
    slot(5),
    slot(6),
    slot(7),
    {3164, ControlKind::Label, {42, 107, 132, 125}, {}, text_id::kDirection},
    {3240,
     ControlKind::Radio,
     {42, 134, 71, 152},
     {"skins\\up_nr.png", "skins\\up_ov.png", "skins\\up_check.png"}},
    {3250,
     ControlKind::Radio,
     {81, 134, 110, 152},
     {"skins\\down_nr.png", "skins\\down_ov.png", "skins\\down_check.png"}},
}};

}  // namespace

std::unique_ptr<Page> makeLightingPage() {
  return std::make_unique<Page>(kLightingTable);
}

}  // namespace pelorin
