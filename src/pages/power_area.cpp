// The power-saving area of the left column: the dial of the power-down time with its caption and
// the two power options. The dial's choice goes back to the window, which owns the transfer.
#include <array>
#include <functional>
#include <string>

#include "lang/text_ids.h"
#include "pages/pages.h"
#include "skin/notify_code.h"
#include "skin/power_manage_button.h"

namespace pelorin {
namespace {

constexpr int kCaption = 3407;

constexpr std::array<const char*, 4> kCheck = {"skins\\check_nr.png", "skins\\check_ov.png",
                                               "skins\\check_dn.png"};

constexpr std::array<ControlRow, 6> kPowerTable = {{
    {CPowerManageButton::kId, ControlKind::PowerDial, {81, 550, 221, 634}},
    {kCaption, ControlKind::Value, {36, 640, 266, 658}, {}, text_id::kSleepAfter},
    {3501, ControlKind::Check, {50, 658, 65, 673}, kCheck},
    {3504, ControlKind::Check, {50, 678, 65, 693}, kCheck},
    {3402, ControlKind::Label, {70, 658, 270, 676}, {}, text_id::kLightsOffWhileMoving},
    {3402, ControlKind::Label, {70, 678, 270, 696}, {}, text_id::kMotionWakeup},
}};

class PowerArea final : public Page {
 public:
  explicit PowerArea(std::function<void(int)> chosen)
      : Page(kPowerTable), chosen_(std::move(chosen)) {}

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
  }

  bool onNotify(int id, int code, std::intptr_t) override {
    if (id != CPowerManageButton::kId || code != notify::kClicked) return false;
    const auto* dial = static_cast<CPowerManageButton*>(control(id));
    if (chosen_) chosen_(dial->value());
    return true;
  }

 private:
  std::function<void(int)> chosen_;
};

}  // namespace

std::unique_ptr<Page> makePowerArea(std::function<void(int minutes)> powerTimeChosen) {
  return std::make_unique<PowerArea>(std::move(powerTimeChosen));
}

}  // namespace pelorin
