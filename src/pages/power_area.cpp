// The power-saving area of the left column: the dial of the power-down time with its caption and
// the two power options (lights off while moving, motion wake-up).
#include <array>
#include <string>

#include "lang/text_ids.h"
#include "pages/pages.h"
#include "skin/check_button.h"
#include "skin/notify_code.h"
#include "skin/power_manage_button.h"

namespace pelorin {
namespace {

constexpr int kCaption = 3407;
constexpr int kLightsOff = 3501;
constexpr int kMotionWakeup = 3504;

constexpr std::array<const char*, 4> kCheck = {"skins\\check_nr.png", "skins\\check_ov.png",
                                               "skins\\check_dn.png"};

constexpr std::array<ControlRow, 6> kPowerTable = {{
    {CPowerManageButton::kId, ControlKind::PowerDial, {81, 550, 221, 634}},
    {kCaption, ControlKind::Value, {36, 640, 266, 658}, {}, text_id::kSleepAfter},
    {kLightsOff, ControlKind::Check, {50, 658, 65, 673}, kCheck},
    {kMotionWakeup, ControlKind::Check, {50, 678, 65, 693}, kCheck},
    {3402, ControlKind::Label, {70, 658, 270, 676}, {}, text_id::kLightsOffWhileMoving},
    {3402, ControlKind::Label, {70, 678, 270, 696}, {}, text_id::kMotionWakeup},
}};

class PowerArea final : public Page {
 public:
  PowerArea() : Page(kPowerTable) {}

  // The dial and the caption under it read the profile's power-down time.
  void refresh(const ProfileRecord& profile) override {
    const int minutes = profile.number(Setting::PowerDownTime);
    if (auto* dial = static_cast<CPowerManageButton*>(control(CPowerManageButton::kId))) {
      dial->setValue(minutes);
    }
    const std::string digits = std::to_string(minutes);
    control(kCaption)->setText(texts()[text_id::kSleepAfter] +
                               std::u16string(digits.begin(), digits.end()) +
                               texts()[text_id::kMinutes]);
    check(kLightsOff).setChecked(profile.number(Setting::MoveLightingOnOffMode) == 1);
    check(kMotionWakeup).setChecked(profile.number(Setting::MotionWakeup) == 1);
  }

  // The dial's sector and the lights-off option travel with the power command, motion wake-up
  // with its own.
  bool onNotify(int id, int code, std::intptr_t) override {
    if (code != notify::kClicked || host() == nullptr || profile() == nullptr) return false;
    if (id == CPowerManageButton::kId) {
      const int minutes = static_cast<CPowerManageButton*>(control(id))->value();
      host()->edit(SettingGroup::Power,
                   [minutes](ProfileRecord& p) { p.setPowerDownTime(minutes); });
    } else if (id == kLightsOff) {
      const int on = check(id).checked() ? 1 : 0;
      host()->edit(SettingGroup::Power, [on](ProfileRecord& p) { p.setMoveLightingOnOffMode(on); });
    } else if (id == kMotionWakeup) {
      const int on = check(id).checked() ? 1 : 0;
      host()->edit(SettingGroup::MotionWakeup, [on](ProfileRecord& p) { p.setMotionWakeup(on); });
    } else {
      return false;
    }
    return true;
  }

 private:
  CCheckButton& check(int id) const { return static_cast<CCheckButton&>(*control(id)); }
};

}  // namespace

std::unique_ptr<Page> makePowerArea() {
  return std::make_unique<PowerArea>();
}

}  // namespace pelorin
