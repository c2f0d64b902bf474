#include "app/main_page_host.h"

#include "app/color_palette_dlg.h"
#include "app/dpi_value_setting_dlg.h"
#include "app/kestrin_dlg.h"
#include "app/profile_menu.h"

namespace pelorin {
namespace {

constexpr int kListWidth = 300;  // design pixels

}  // namespace

MainPageHost::MainPageHost(CKestrinDlg& window, SkinContext& skin, Notice notice)
    : window_(window), skin_(skin), notice_(std::move(notice)) {}

ProfileRecord* MainPageHost::profile() {
  return window_.data().profiles.record(window_.data().currentProfile());
}

const DpiStepTable& MainPageHost::dpiSteps() const {
  return window_.data().dpiSteps;
}

void MainPageHost::edit(std::optional<SettingGroup> group, const Change& change) {
  ProfileRecord* current = profile();
  if (current == nullptr) return;
  change(*current);
  if (group) window_.session().markPending(*group);
  window_.scheduleTransfer();
  window_.refreshFromProfile();
}

void MainPageHost::refreshPages() {
  window_.refreshFromProfile();
}

void MainPageHost::notice(int titleTextId, int messageTextId) {
  if (notice_) notice_(titleTextId, messageTextId);
}

void MainPageHost::startTimer(int id, unsigned ms) {
  if (Window* w = window_.window()) w->setTimer(id, std::chrono::milliseconds(ms));
}

void MainPageHost::killTimer(int id) {
  if (Window* w = window_.window()) w->killTimer(id);
}

bool MainPageHost::chooseDpiStep(CDPIValueShowControl& display) {
  CDPIValueSettingDlg dialog(skin_, window_.data().texts, display, dpiSteps());
  return dialog.doModal(WindowKind::Modal, window_.windowId()) == CDPIValueSettingDlg::kConfirmed;
}

// The palette works on a copy, so the profile changes only through the page's edit.
std::optional<ColourRef> MainPageHost::chooseColour(const ColourTarget& target) {
  const ProfileRecord* current = profile();
  if (current == nullptr) return std::nullopt;
  ProfileRecord scratch = *current;
  CColorPaletteDlg dialog(skin_, window_.data().texts, scratch, target);
  if (dialog.doModal(WindowKind::Modal, window_.windowId()) != CColorPaletteDlg::kConfirmed)
    return std::nullopt;
  return dialog.colour();
}

void MainPageHost::openList(const CControlBase& below, ListPopup list) {
  Window* w = window_.window();
  if (w == nullptr) return;
  const Rect frame = w->frame();
  const Rect anchor = below.rect();
  const float scale = skin_.scale;
  const Rect size = scaledRect(
      Rect::ofSize(0, 0, kListWidth, CProfileMenu::kRowHeight * static_cast<int>(list.rows.size())),
      scale);
  window_.openPopup(kListSlot,
                    std::make_unique<CProfileMenu>(skin_, std::move(list.rows), list.marked),
                    PopupPlacement{window_.windowId(),
                                   Rect::ofSize(frame.left + anchor.left, frame.top + anchor.bottom,
                                                size.width(), size.height()),
                                   list.itemMessage, 0, list.kind});
}

void MainPageHost::closeList() {
  window_.closePopup(kListSlot);
}

}  // namespace pelorin
