// The main window's side of the profile switching by the program in use: the desktop's focus
// reports, the calm timer, the dialogs that hold a switch back and the tray's pause.
#include <algorithm>

#include "app/kestrin_dlg.h"
#include "app/programs_dlg.h"

namespace pelorin {

void CKestrinDlg::startAutoSwitch() {
  if (run_.desktop == nullptr) return;
  focus_ = run_.desktop->createFocusSource();
  if (focus_ == nullptr) return;
  autoSwitch_ = std::make_unique<AutoSwitch>(static_cast<AutoSwitchHost&>(*this));
  context().openDialogs.setRemoveListener([this] {
    if (!destroyed_) context().host.post(windowId(), Message{main_msg::kDialogClosed, 0, 0, {}});
  });
  if (!focus_->start([this](std::vector<ProgramIdentity> programs) {
        if (autoSwitch_) autoSwitch_->onFocus(std::move(programs));
      })) {
    context().openDialogs.setRemoveListener({});
    autoSwitch_.reset();
    focus_.reset();
  }
}

void CKestrinDlg::togglePauseSwitching() {
  if (!autoSwitch_) return;
  autoSwitch_->setPaused(!autoSwitch_->paused());
  if (tray_) tray_->setMenu(trayMenu());
}

// The links go to the profile file at once; the focus decides again after the calm.
void CKestrinDlg::editPrograms(int profile) {
  ProfileRecord* record = run_.data.profiles.record(static_cast<std::size_t>(profile));
  if (record == nullptr) return;
  CProgramsDlg dialog(context(), run_.data.texts, *record, run_.desktop, focus_.get());
  if (dialog.doModal(WindowKind::Modal, windowId()) != CProgramsDlg::kChanged) return;
  save();
  if (autoSwitch_) autoSwitch_->onRulesChanged();
}

std::vector<ProgramRule> CKestrinDlg::programRules() const {
  return pelorin::programRules(run_.data.profiles, run_.data.config.showList());
}

// A profile hidden since the switch began is not brought back.
void CKestrinDlg::switchProfile(int profile) {
  const ShowList list = run_.data.config.showList();
  const auto end = list.order.begin() + list.count;
  if (std::find(list.order.begin(), end, profile) == end) return;
  selectProfile(profile);
  if (const ProfileRecord* record = run_.data.profiles.record(current())) {
    showOsdTexts(OsdTexts{record->pairValue(0), {}, {}});
  }
}

bool CKestrinDlg::dialogOpen() const {
  const auto open = context().openDialogs.entries();
  return std::any_of(open.begin(), open.end(), [this](WindowId id) { return id != windowId(); });
}

void CKestrinDlg::startCalmTimer(unsigned periodMs) {
  if (Window* w = window()) {
    w->setTimer(main_timer::kAutoSwitchCalm, std::chrono::milliseconds(periodMs));
  }
}

void CKestrinDlg::stopCalmTimer() {
  if (Window* w = window()) w->killTimer(main_timer::kAutoSwitchCalm);
}

}  // namespace pelorin
