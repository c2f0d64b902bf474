// The always-visible areas of the left column below the button combos: the power-saving area and
// the battery area. They keep their creation places.
#include <array>

#include <string>
#include "lang/text_ids.h"

#include "pages/pages.h"

namespace pelorin {
namespace {

constexpr std::array<const char*, 4> kCheck = {"skins\\check_nr.png", "skins\\check_ov.png",
                                               "skins\\check_dn.png"};

constexpr std::array<ControlRow, 6> kPowerTable = {{
    {3500, ControlKind::PowerDial, {81, 550, 221, 634}},
    {3407, ControlKind::Value, {36, 638, 266, 656}, {}, text_id::kSleepAfter},
    {3501, ControlKind::Check, {50, 658, 65, 673}, kCheck},
    {3504, ControlKind::Check, {50, 678, 65, 693}, kCheck},
    {3402, ControlKind::Label, {70, 656, 270, 676}, {}, text_id::kLightsOffWhileMoving},
    {3402, ControlKind::Label, {70, 676, 270, 696}, {}, text_id::kMotionWakeup},
}};

constexpr std::array<ControlRow, 8> kBatteryTable = {{
    {3406, ControlKind::Battery, {80, 433, 110, 494}},
    {3405, ControlKind::Value, {115, 480, 155, 498}, {}, kNoText, u"100%"},
    {3401, ControlKind::Picture, {165, 441, 173, 449}, {"skins\\battery_green.png"}},
    {3402, ControlKind::Label, {180, 436, 320, 454}, {}, text_id::kHigh},
    {3401, ControlKind::Picture, {165, 462, 173, 470}, {"skins\\battery_orange.png"}},
    {3402, ControlKind::Label, {180, 457, 320, 475}, {}, text_id::kMedium},
    {3401, ControlKind::Picture, {165, 484, 173, 492}, {"skins\\battery_red.png"}},
    {3402, ControlKind::Label, {180, 479, 320, 497}, {}, text_id::kLow},
}};

// The caption under the dial reads the profile's power-saving time.
class PowerArea final : public Page {
 public:
  PowerArea() : Page(kPowerTable) {}
  void refresh(const ProfileRecord& profile) override {
    const std::string minutes = std::to_string(profile.number(Setting::PowerDownTime));
    control(3407)->setText(texts()[text_id::kSleepAfter] +
                           std::u16string(minutes.begin(), minutes.end()) +
                           texts()[text_id::kMinutes]);
  }
};

}  // namespace

std::unique_ptr<Page> makePowerArea() {
  return std::make_unique<PowerArea>();
}
std::unique_ptr<Page> makeBatteryArea() {
  return std::make_unique<Page>(kBatteryTable);
}

}  // namespace pelorin
