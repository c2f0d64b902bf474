#include "app/auto_switch.h"

namespace pelorin {

void AutoSwitch::onFocus(std::vector<ProgramIdentity> programs) {
  if (programs == programs_) return;
  programs_ = std::move(programs);
  handPicked_ = false;
  host_.startCalmTimer(kCalmMs);
}

void AutoSwitch::onCalmTimer() {
  host_.stopCalmTimer();
  if (host_.dialogOpen()) {
    waitingForDialog_ = true;
    return;
  }
  decide();
}

void AutoSwitch::onDialogClosed() {
  if (!waitingForDialog_ || host_.dialogOpen()) return;
  waitingForDialog_ = false;
  decide();
}

void AutoSwitch::onHandPicked(int profile) {
  if (!matchingProfile(host_.programRules(), programs_, naming_)) return;
  handPicked_ = true;
  returnTo_ = profile;
}

void AutoSwitch::onRulesChanged() {
  host_.startCalmTimer(kCalmMs);
}

void AutoSwitch::setPaused(bool paused) {
  paused_ = paused;
  if (!paused_) onCalmTimer();
}

void AutoSwitch::decide() {
  if (paused_ || handPicked_) return;
  const int current = host_.currentProfile();
  if (const auto target = matchingProfile(host_.programRules(), programs_, naming_)) {
    if (!returnTo_) returnTo_ = current;
    if (*target != current) host_.switchProfile(*target);
    return;
  }
  if (!returnTo_) return;
  const int back = *returnTo_;
  returnTo_.reset();
  if (back != current) host_.switchProfile(back);
}

}  // namespace pelorin
