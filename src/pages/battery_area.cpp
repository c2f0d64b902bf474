// The battery area of the left column: the indicator, its percentage and the colour legend. The
// legend is static; the indicator and the text follow the mouse's status, not the profile.
#include <array>

#include "lang/text_ids.h"
#include "pages/pages.h"
#include "skin/battery.h"

namespace pelorin {
namespace {

constexpr std::array<ControlRow, 8> kBatteryTable = {{
    {CBattery::kId, ControlKind::Battery, {80, 433, 110, 494}},
    {3405, ControlKind::Value, {115, 480, 155, 498}, {}, kNoText, u"100%"},
    {3401, ControlKind::Picture, {165, 441, 173, 449}, {"skins\\battery_green.png"}},
    {3402, ControlKind::Label, {180, 439, 320, 457}, {}, text_id::kHigh},
    {3401, ControlKind::Picture, {165, 462, 173, 470}, {"skins\\battery_orange.png"}},
    {3402, ControlKind::Label, {180, 460, 320, 478}, {}, text_id::kMedium},
    {3401, ControlKind::Picture, {165, 484, 173, 492}, {"skins\\battery_red.png"}},
    {3402, ControlKind::Label, {180, 482, 320, 500}, {}, text_id::kLow},
}};

}  // namespace

std::unique_ptr<Page> makeBatteryArea() {
  return std::make_unique<Page>(kBatteryTable);
}

}  // namespace pelorin
