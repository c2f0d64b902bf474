#pragma once
// Switching the profile by the program in use. The desktop's reports pass a calm of 500 ms;
// then the first rule that matches decides, and when none does the profile that was current
// before the first automatic switch comes back. A profile picked by hand while a linked program
// has the focus stays until the focus moves on, and is the one to return to. Nothing switches
// while one of the program's own dialogs is open: the decision waits for it to close.
#include <optional>
#include <vector>

#include "profile/program_rules.h"

namespace pelorin {

class AutoSwitchHost {
 public:
  virtual ~AutoSwitchHost() = default;
  virtual std::vector<ProgramRule> programRules() const = 0;
  virtual int currentProfile() const = 0;
  // Exactly what a click on the profile's slot does, with the profile's name on the display.
  virtual void switchProfile(int profile) = 0;
  virtual bool dialogOpen() const = 0;
  virtual void startCalmTimer(unsigned periodMs) = 0;
  virtual void stopCalmTimer() = 0;
};

class AutoSwitch {
 public:
  static constexpr unsigned kCalmMs = 500;

  explicit AutoSwitch(AutoSwitchHost& host, ProgramNaming naming = kHostNaming)
      : host_(host), naming_(naming) {}

  // The focus source's report; the same programs again change nothing.
  void onFocus(std::vector<ProgramIdentity> programs);
  void onCalmTimer();
  // One of the program's own dialogs closed; a decision it held back is taken now.
  void onDialogClosed();
  // The user chose this profile (a slot click).
  void onHandPicked(int profile);
  // The links changed: decide again after the calm.
  void onRulesChanged();
  // Paused for the session: the profile stays as it is; resuming decides at once.
  void setPaused(bool paused);
  bool paused() const { return paused_; }

 private:
  void decide();

  AutoSwitchHost& host_;
  ProgramNaming naming_;
  std::vector<ProgramIdentity> programs_;
  // The profile to come back to, held from the first automatic switch until the return.
  std::optional<int> returnTo_;
  bool handPicked_ = false;
  bool waitingForDialog_ = false;
  bool paused_ = false;
};

}  // namespace pelorin
