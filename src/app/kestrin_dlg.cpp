#include "app/kestrin_dlg.h"

#include "app/firmware_reset_dlg.h"
#include "app/main_page_host.h"
#include "app/message_table.h"
#include "app/progress_bar_dlg.h"
#include "app/window_controls.h"
#include "common/stdio_file_ex.h"
#include "common/utf.h"
#include "lang/change_language.h"
#include "lang/language_seed.h"
#include "lang/text_ids.h"
#include "pages/profile_slot_button.h"
#include "platform/tray_icon.h"
#include "platform/virtual_keys.h"
#include "profile/data_folder.h"
#include "skin/battery.h"
#include "skin/check_button.h"
#include "skin/notify_code.h"
#include "skin/skin_images.h"
#include "skin/ui_font.h"

namespace pelorin {
namespace {

constexpr unsigned kHideCheckMs = 100;
constexpr unsigned kStartUpFallbackMs = 250;
// Long enough for a system tray to take the icon in; without one the login start shows the window.
constexpr unsigned kTrayCheckMs = 2000;
constexpr unsigned kNoDeviceCheckMs = 2000;
constexpr unsigned kOsdTickMs = 300;
// Ticks of the countdown before the display goes: it stays about two seconds after a change.
constexpr int kOsdTicks = 5;
constexpr int kBackgroundResource = 364;
constexpr std::string_view kFrameImage = "skins\\Frame_Lighting_Setting.bmp";
// The left column's panels, design pixels.
constexpr std::array<Rect, 4> kLeftPanels = {Rect{36, 62, 266, 238}, Rect{36, 311, 266, 354},
                                             Rect{36, 423, 266, 505}, Rect{36, 550, 266, 696}};
constexpr int kSimulatedNote = 3022;
constexpr int kTrayIconId = 128;
constexpr const char* kGuide = "guide/index.html";
constexpr std::size_t kBatteryArea = 2;
constexpr int kBatteryText = 3405;
// Texts of the refusals and notices.
using text_id::kAttentionTitle;
// Typed twice in a row, the five letters open the support line.
constexpr std::array<int, 5> kHiddenCode = {'P', 'E', 'L', 'R', 'N'};

}  // namespace

CKestrinDlg::CKestrinDlg(MainWindowRun run)
    : CDlgBase(run.skin, scaledSize(kDesignSize, run.skin.scale)), run_(std::move(run)) {
  link_ = std::make_unique<DeviceLink>(run_.bus, run_.clock, run_.ui);
  if (run_.trace) link_->setTraceSink(run_.trace);
  session_ = std::make_unique<DeviceSession>(*link_, *this, run_.data.profiles, run_.data.library,
                                             run_.data.texts);
  window_ = makeWindowControls();
  groups_ = {makeDpiPage(),     makeLightingPage(), makePollingPage(),
             makeLiftOffPage(), makeDebouncePage(), makePointerPage()};
  areas_ = {makeButtonComboArea(), makePowerArea(), makeBatteryArea()};
  pageHost_ = std::make_unique<MainPageHost>(*this, context(), nameNotice());
  buttons_ = std::make_unique<ButtonAssignment>(
      ButtonPageEnv{*this, run_.skin, run_.data, *pageHost_, run_.desktop, nameNotice()});
  open_.set(ControlGroup::Dpi, true);
  open_.set(ControlGroup::Polling, true);
}

CKestrinDlg::~CKestrinDlg() {
  if (windowId() != kNoWindow) context().host.destroy(windowId());
}

std::vector<const Page*> CKestrinDlg::pages() const {
  std::vector<const Page*> all{window_.get()};
  for (const auto& page : groups_) all.push_back(page.get());
  for (const auto& area : areas_) all.push_back(area.get());
  return all;
}

void CKestrinDlg::onInitDialog() {
  decideVisibility();
  createControls();
  loadBackground(kBackgroundResource);
  frame_ = loadSkinImage(context(), kFrameImage);
  // The rest of the start-up follows the first frame, or this timer when no frame comes; a
  // window that stays hidden has no frame to wait for.
  window()->setTimer(main_timer::kStartUpFallback, std::chrono::milliseconds(kStartUpFallbackMs));
  if (!session_->windowShown()) {
    context().host.post(windowId(), Message{main_msg::kStartUp, 0, 0, {}});
  }
}

void CKestrinDlg::createControls() {
  PageEnv env{
      context(),
      windowId(),
      run_.data.texts,
      options_,
      levels_,
      [this](std::unique_ptr<CControlBase> control) { return addControl(0, std::move(control)); },
      pageHost_.get()};
  window_->create(env);
  for (auto& area : areas_) area->create(env);
  for (auto& page : groups_) page->create(env);
  if (auto* note = window_->control(kSimulatedNote)) {
    note->setText(run_.simulated ? run_.data.texts[text_id::kSimulatedMouse] : std::u16string());
  }
  applyTooltips();
  if (auto* debounce = window_->control(kGroupHeaderIds[4])) debounce->setShown(false);
  // The profile popup opens from the profile button; the combo's place is the battery's.
  window_->control(ctl_id::kProfileCombo)->setShown(false);
  for (std::size_t g = 0; g < kControlGroupCount; ++g) {
    auto* header = static_cast<CCheckButton*>(window_->control(kGroupHeaderIds[g]));
    header->setChecked(open_.isOpen(static_cast<ControlGroup>(g)));
  }
}

// Decided before the window is first mapped, so a window that is to stay hidden never flashes.
// The login start keeps it in the tray whatever the link says, until the user asks for it; the
// configuration's start-hidden switch leaves the showing to the mouse's link.
void CKestrinDlg::decideVisibility() {
  const bool hidden = run_.startHidden || run_.data.config.needPassword() != 0;
  session_->setWindowShown(!hidden);
  session_->setLinkActive(!hidden);
  if (run_.startHidden) session_->holdHidden();
}

// The steps that follow the window's first showing (or the fallback timer when it stays hidden).
void CKestrinDlg::start() {
  started_ = true;
  window()->killTimer(main_timer::kStartUpFallback);
  startAutoSwitch();
  addTrayIcon();
  if (run_.startHidden) {
    window()->setTimer(main_timer::kTrayCheck, std::chrono::milliseconds(kTrayCheckMs));
  }
  session_->setCurrentProfile(current());
  refreshFromProfile();
  link_->registerDeviceNotifications();
  session_->primeLastSent();
  link_->scanDevices();
  for (auto group : {SettingGroup::Buttons, SettingGroup::Performance, SettingGroup::Power}) {
    session_->markPending(group);
  }
  scheduleTransfer();
  if (link_->anyPresent()) {
    link_->requestStatus();
    refreshFromProfile();
  }
  Window* w = window();
  w->setTimer(main_timer::kHideWhileHidden, std::chrono::milliseconds(kHideCheckMs));
  startTimer(TimerId::NoDeviceCheck, kNoDeviceCheckMs);
  if (!session_->windowShown()) w->show(ShowMode::Hide);
  if (run_.instance != nullptr) run_.instance->forwardTo(context().host, windowId());
}

// The buttons that show a picture only say what they do when the pointer rests on them.
void CKestrinDlg::applyTooltips() {
  constexpr std::array<std::pair<int, int>, 6> kTips = {{
      {ctl_id::kImportProfile, text_id::kTipImportProfile},
      {ctl_id::kExportProfile, text_id::kTipExportProfile},
      {ctl_id::kEditProfile, text_id::kTipRenameProfile},
      {ctl_id::kAddProfile, text_id::kTipAddProfile},
      {ctl_id::kClose, text_id::kTipClose},
      {ctl_id::kMinimise, text_id::kTipMinimise},
  }};
  for (const auto& [id, textId] : kTips) {
    if (CControlBase* control = window_->control(id)) control->setTooltip(run_.data.texts[textId]);
  }
}

void CKestrinDlg::addTrayIcon() {
  if (run_.desktop == nullptr) return;
  icon_ = loadResourceImage(context(), resource_id::kIcon);
  TrayIconParams params{
      windowId(),  main_msg::kTrayCallback,
      kTrayIconId, run_.data.texts[run_.simulated ? text_id::kTrayTipSimulated : text_id::kTrayTip],
      icon_.get(), trayMenu()};
  tray_ = run_.desktop->addTrayIcon(params);
}

std::vector<TrayMenuItem> CKestrinDlg::trayMenu() const {
  const LanguageTable& texts = run_.data.texts;
  std::vector<TrayMenuItem> menu{{main_msg::kRestore, texts[text_id::kSettings]}};
  if (run_.autostart != nullptr) {
    const std::u16string_view mark = run_.autostart->enabled() ? u"\u2713 " : u"";
    menu.push_back({main_msg::kStartAtLogin, std::u16string(mark) + texts[text_id::kStartAtLogin]});
  }
  if (autoSwitch_) {
    const std::u16string_view mark = autoSwitch_->paused() ? u"\u2713 " : u"";
    menu.push_back(
        {main_msg::kPauseSwitching, std::u16string(mark) + texts[text_id::kPauseSwitching]});
  }
  menu.push_back({0, {}});
  menu.push_back({main_msg::kExit, texts[text_id::kExit]});
  return menu;
}

void CKestrinDlg::toggleStartAtLogin() {
  if (run_.autostart == nullptr) return;
  run_.autostart->setEnabled(!run_.autostart->enabled());
  if (tray_) tray_->setMenu(trayMenu());
}

void CKestrinDlg::openGuide() {
  if (run_.desktop == nullptr) return;
  if (!run_.desktop->shell().openAddress((context().programFolder / kGuide).string())) {
    notice(kAttentionTitle, text_id::kGuideNotOpened);
  }
}

void CKestrinDlg::openMouseSettings() {
  if (run_.desktop == nullptr || run_.desktop->shell().openMouseSettings()) return;
  notice(kAttentionTitle, text_id::kNoMouseSettings);
}

void CKestrinDlg::switchLanguage(bool chinese) {
  const auto folder = configFolder(run_.data.dataFolder);
  if (!CStdioFileEx::writeLines(folder / kLanguageSettingName, languageSettingLines(chinese))) {
    failureNotice(text_id::kSaveFailed);
    return;
  }
  LanguageTable texts;
  UiFont font = run_.data.font;
  if (!changeLanguage(folder, context().scale, texts, font)) return;
  run_.data.texts = std::move(texts);
  run_.data.font = font;
  const Font oldFont = context().uiFont;
  context().uiFont = uiFont(font.face, font.height, font.charset);
  window_->relabel(oldFont, context().uiFont);
  for (auto& page : groups_) page->relabel(oldFont, context().uiFont);
  for (auto& area : areas_) area->relabel(oldFont, context().uiFont);
  applyTooltips();
  if (auto* note = window_->control(kSimulatedNote)) {
    note->setText(run_.simulated ? run_.data.texts[text_id::kSimulatedMouse] : std::u16string());
  }
  if (tray_) {
    tray_->setMenu(trayMenu());
    tray_->setTooltip(
        run_.data.texts[run_.simulated ? text_id::kTrayTipSimulated : text_id::kTrayTip]);
  }
  refreshFromProfile();
  for (WindowId id : context().openDialogs.entries()) {
    if (Window* open = context().host.find(id)) open->invalidateAll();
  }
}

void CKestrinDlg::refreshFromProfile() {
  const ShowList list = run_.data.config.showList();
  const std::size_t now = current();
  session_->setCurrentProfile(now);
  for (int k = 0; k < static_cast<int>(kProfileCount); ++k) {
    auto* slot = static_cast<CProfileSlotButton*>(window_->control(ctl_id::kFirstSlot + k));
    const int profile = list.order[static_cast<std::size_t>(k)];
    const ProfileRecord* record = run_.data.profiles.record(static_cast<std::size_t>(profile));
    slot->setShown(k < list.count);
    slot->setCurrent(static_cast<std::size_t>(profile) == now);
    if (record != nullptr) slot->setText(record->pairValue(0));
  }
  if (const ProfileRecord* record = run_.data.profiles.record(now)) {
    window_->control(ctl_id::kProfileCombo)->setText(record->pairValue(0));
    for (auto& page : groups_) page->refresh(*record);
    for (auto& area : areas_) area->refresh(*record);
  }
  if (Window* w = window()) w->invalidateAll();
}

// Headers, open groups and the slot bar move with what is open and shown; this runs at every
// paint so that nothing can draw at a stale place.
void CKestrinDlg::placeColumn() {
  const float scale = context().scale;
  const bool liftOffShown = run_.data.dpiSteps.extendedSensor();
  const GroupLayout layout = layoutGroups(open_, liftOffShown);
  for (std::size_t g = 0; g < kControlGroupCount; ++g) {
    const auto group = static_cast<ControlGroup>(g);
    CControlBase* header = window_->control(kGroupHeaderIds[g]);
    if (group == ControlGroup::Debounce) continue;
    header->setRect(scaledRect(layout.header[g], scale));
    if (group == ControlGroup::LiftOff) header->setShown(liftOffShown);
    const bool shown = open_.isOpen(group) && header->shown();
    Page& content = *groups_[g];
    if (group != ControlGroup::Dpi) {
      content.place({layout.header[g].left, layout.header[g].bottom}, scale);
    }
    if (content.shown() != shown) content.setShown(shown);
  }
  groups_[static_cast<std::size_t>(ControlGroup::Debounce)]->setShown(false);
  placeSlotBar();
}

void CKestrinDlg::drawBackground(Canvas& canvas, const Rect& client) {
  CDlgBase::drawBackground(canvas, client);
  placeColumn();
  if (frame_ == nullptr) return;
  const float scale = context().scale;
  for (const Rect& panel : kLeftPanels) canvas.drawImage(*frame_, scaledRect(panel, scale));
  const GroupLayout layout = layoutGroups(open_, run_.data.dpiSteps.extendedSensor());
  for (const Rect& frame : layout.frame) {
    if (!frame.empty()) canvas.drawImage(*frame_, scaledRect(frame, scale));
  }
}

void CKestrinDlg::onPaint(Canvas& canvas, const Rect& dirty) {
  CDlgBase::onPaint(canvas, dirty);
  buttons_->drawHover(canvas);
  if (!started_) context().host.post(windowId(), Message{main_msg::kStartUp, 0, 0, {}});
  if (!run_.firstPainted) return;
  auto painted = std::move(run_.firstPainted);
  run_.firstPainted = nullptr;
  painted();
}

std::intptr_t CKestrinDlg::handleMessage(const Message& m) {
  const int id = static_cast<int>(m.id);
  if (m.id == main_msg::kStartUp) {
    if (!started_) start();
  } else if (m.id == main_msg::kOnScreenDisplay) {
    if (m.wParam == 1) showOsd();
  } else if (m.id == msg::kActivateInstance) {
    restoreRequest();
  } else if (m.id == main_msg::kTrayCallback) {
    if (m.lParam == kTrayDoubleClick) restoreRequest();
  } else if (m.id == msg::kCommand) {
    if (m.wParam == main_msg::kRestore) restoreRequest();
    if (m.wParam == main_msg::kExit) exitProgram();
    if (m.wParam == main_msg::kStartAtLogin) toggleStartAtLogin();
    if (m.wParam == main_msg::kPauseSwitching) togglePauseSwitching();
  } else if (m.id == main_msg::kDialogClosed) {
    if (autoSwitch_) autoSwitch_->onDialogClosed();
  } else if (handleSlotBar(m)) {
  } else if (buttons_->handle(m)) {
  } else if (messageOwner(id) == MessageOwner::Window) {
    handleWindowControl(id, static_cast<int>(m.lParam));
  } else if (Page* owner = pageOwning(id)) {
    owner->onNotify(id, static_cast<int>(m.lParam), m.wParam);
  }
  return 0;
}

// Control ids by the control, the pages' own message numbers (popup lists) by the table.
Page* CKestrinDlg::pageOwning(int id) const {
  for (const auto& page : groups_) {
    if (page->control(id) != nullptr) return page.get();
  }
  for (const auto& area : areas_) {
    if (area->control(id) != nullptr) return area.get();
  }
  const int group = static_cast<int>(messageOwner(id).value_or(MessageOwner::Window)) -
                    static_cast<int>(MessageOwner::Dpi);
  if (group < 0 || group >= static_cast<int>(kControlGroupCount)) return nullptr;
  return groups_[static_cast<std::size_t>(group)].get();
}

bool CKestrinDlg::handleWindowControl(int id, int code) {
  if (code != notify::kClicked) return false;
  for (std::size_t g = 0; g < kControlGroupCount; ++g) {
    if (kGroupHeaderIds[g] == id) toggle(static_cast<ControlGroup>(g));
  }
  switch (id) {
    case ctl_id::kClose:
    case ctl_id::kHideAlso:
      closeWindow();
      break;
    case ctl_id::kMinimise:
      trayAvailable() ? hideMainWindow() : minimiseMainWindow();
      break;
    case ctl_id::kDispatchAndHide:
      session_->dispatchPendingSends();
      hideMainWindow();
      break;
    case ctl_id::kLink:
      openGuide();
      break;
    case ctl_id::kMouseSettings:
      openMouseSettings();
      break;
    case ctl_id::kMacroManager:
      openMacroManager();
      break;
    case ctl_id::kReset:
      resetFirmware();
      break;
    case ctl_id::kApply:
      session_->markPending(SettingGroup::Buttons);
      session_->markPending(SettingGroup::Performance);
      session_->dispatchPendingSends();
      break;
    default:
      break;
  }
  return true;
}

void CKestrinDlg::toggle(ControlGroup group) {
  auto* header = static_cast<CCheckButton*>(
      window_->control(kGroupHeaderIds[static_cast<std::size_t>(group)]));
  // The header has already toggled: a group it opened may close others, a closed one closes alone.
  OpenGroups next = open_;
  next.set(group, false);
  open_ = header->checked() ? toggleGroup(open_, group) : next;
  for (std::size_t g = 0; g < kControlGroupCount; ++g) {
    static_cast<CCheckButton*>(window_->control(kGroupHeaderIds[g]))
        ->setChecked(open_.isOpen(static_cast<ControlGroup>(g)));
  }
  refreshFromProfile();
}

void CKestrinDlg::restoreRequest() {
  session_->showAtUserRequest();
}

bool CKestrinDlg::trayAvailable() const {
  return tray_ != nullptr && tray_->shown();
}

void CKestrinDlg::closeWindow() {
  if (trayAvailable()) {
    hideMainWindow();
  } else {
    exitProgram();
  }
}

void CKestrinDlg::exitProgram() {
  closePopups();
  endDialog(0);
}

void CKestrinDlg::endSession() {
  saveNow();
  if (run_.desktop != nullptr) run_.desktop->shell().cancelFileDialog();
  exitProgram();
}

void CKestrinDlg::saveNow() {
  if (!savePending_) return;
  savePending_ = false;
  run_.data.saveAll();
}

void CKestrinDlg::startTimer(TimerId id, unsigned periodMs) {
  if (id == TimerId::SendDispatch || id == TimerId::SaveProfiles) savePending_ = true;
  if (Window* w = window()) w->setTimer(static_cast<int>(id), std::chrono::milliseconds(periodMs));
}

void CKestrinDlg::killTimer(TimerId id) {
  if (Window* w = window()) w->killTimer(static_cast<int>(id));
}

void CKestrinDlg::onTimer(int id) {
  Window* w = window();
  if (w == nullptr) return;
  switch (id) {
    case static_cast<int>(TimerId::SendDispatch):
      w->killTimer(id);
      session_->dispatchPendingSends();
      break;
    case static_cast<int>(TimerId::SaveProfiles):
      save();
      break;
    case static_cast<int>(TimerId::NoDeviceCheck):
      w->killTimer(id);
      session_->onNoDeviceCheck();
      break;
    case static_cast<int>(TimerId::StatusPoll):
      session_->onPollTimer();
      break;
    case main_timer::kOsdCountdown:
      countDownOsd();
      break;
    case main_timer::kAutoSwitchCalm:
      if (autoSwitch_) autoSwitch_->onCalmTimer();
      break;
    case main_timer::kStartUpFallback:
      if (!started_) start();
      break;
    case main_timer::kTrayCheck:
      w->killTimer(id);
      if (session_->heldHidden() && !trayAvailable()) restoreRequest();
      break;
    case main_timer::kHideWhileHidden:
      if (!session_->windowShown() && w->isVisible()) w->show(ShowMode::Hide);
      break;
    case main_timer::kAssignmentNotice:
      w->killTimer(id);
      buttons_->showPendingNotice();
      break;
    case main_timer::kProfileAction:
      w->killTimer(id);
      if (pendingAction_) runProfileAction(pendingAction_->first, pendingAction_->second);
      pendingAction_.reset();
      break;
    default:
      w->killTimer(id);
      for (auto& page : groups_) page->onTimer(id);
      break;
  }
}

// Enter and Escape never close the main window; letters may be the hidden sequence.
bool CKestrinDlg::onDialogKey(const KeyEvent& event) {
  if (!event.down) return false;
  if (event.virtualKey == vk::kReturn || event.virtualKey == vk::kEscape) return true;
  const auto expected = kHiddenCode[static_cast<std::size_t>(hiddenKeys_) % kHiddenCode.size()];
  hiddenKeys_ = event.virtualKey == expected ? hiddenKeys_ + 1 : 0;
  if (hiddenKeys_ < static_cast<int>(2 * kHiddenCode.size())) return false;
  hiddenKeys_ = 0;
  notice(text_id::kSupportLine, text_id::kSupportLine);
  return true;
}

void CKestrinDlg::hideMainWindow() {
  if (Window* w = window()) w->show(ShowMode::Hide);
}

void CKestrinDlg::showMainWindow() {
  if (Window* w = window()) {
    w->show(ShowMode::Normal);
    w->bringToFront();
  }
}

void CKestrinDlg::minimiseMainWindow() {
  if (Window* w = window()) w->show(ShowMode::Minimise);
}

void CKestrinDlg::closePopups() {
  for (int slot = 0; slot < kPopupSlotCount; ++slot) closePopup(slot);
  for (WindowId id : context().openDialogs.entries()) {
    if (id != windowId()) context().host.post(id, Message{msg::kClose, 0, 0, {}});
  }
}

void CKestrinDlg::showNotice(DeviceNotice notice) {
  this->notice(kAttentionTitle, notice == DeviceNotice::NoDevice ? text_id::kNoDevice
                                                                 : text_id::kReceiverWithoutMouse);
}

void CKestrinDlg::notice(int titleTextId, int messageTextId) {
  if (run_.notice) run_.notice(run_.data.texts[titleTextId], run_.data.texts[messageTextId]);
}

void CKestrinDlg::failureNotice(int messageTextId, std::string_view reason) {
  const std::string why = reason.empty() ? CStdioFileEx::lastWriteFailure() : std::string(reason);
  if (run_.notice) {
    run_.notice(run_.data.texts[kAttentionTitle],
                run_.data.texts[messageTextId] + u" " + toUtf16(why));
  }
}

void CKestrinDlg::resetFirmware() {
  CFirmwareResetDlg question(context(), run_.data.texts);
  if (question.doModal(WindowKind::Modal, windowId()) != CFirmwareResetDlg::kConfirmed) return;
  if (const HidResult sent = session_->resetDeviceAndProfile(); !sent) {
    failureNotice(text_id::kResetNotSent, sent.error);
  }
}

void CKestrinDlg::showProgress() {
  if (progressShown_ || window() == nullptr) return;
  progressShown_ = true;
  CProgressBarDlg progress(context(), run_.data.texts[text_id::kApplyingSettings]);
  progress.doModal(WindowKind::Modal, windowId());
  progressShown_ = false;
}

// The event report has already changed the profile; the display reads it when the message
// arrives, after the pages have been refreshed.
void CKestrinDlg::showOnScreenDisplay() {
  context().host.post(windowId(), Message{main_msg::kOnScreenDisplay, 1, 0, {}});
}

// One display at a time: a change while it is shown only renews its texts and its countdown.
void CKestrinDlg::showOsd() {
  const ProfileRecord* profile = run_.data.profiles.record(current());
  if (profile == nullptr) return;
  showOsdTexts(osdTexts(*profile, session_->status().deviceLevel, run_.data.dpiSteps));
}

void CKestrinDlg::showOsdTexts(const OsdTexts& texts) {
  osdCountdown_ = kOsdTicks;
  if (osd_ != nullptr) {
    osd_->setTexts(texts);
    return;
  }
  osd_ = std::make_unique<COSDDialog>(context().host, context().uiFont, context().scale);
  osd_->create(texts);
  if (Window* w = window())
    w->setTimer(main_timer::kOsdCountdown, std::chrono::milliseconds(kOsdTickMs));
}

void CKestrinDlg::countDownOsd() {
  if (osdCountdown_ > 0) {
    --osdCountdown_;
    return;
  }
  if (Window* w = window()) w->killTimer(main_timer::kOsdCountdown);
  osd_.reset();
}

// Every poll tick while shown; the text repaints only when it changes, so an idle window that
// shows an unchanged battery draws nothing.
void CKestrinDlg::updateBattery(std::uint8_t percent, int chargeState) {
  if (auto* battery = dynamic_cast<CBattery*>(areas_[kBatteryArea]->control(CBattery::kId))) {
    if (battery->chargeState() != chargeState || battery->percent() != percent) {
      battery->setCharge(chargeState, percent);
    }
    if (chargeState == kCharging) battery->advanceAnimation();
  }
  CControlBase* text = areas_[kBatteryArea]->control(kBatteryText);
  if (text == nullptr) return;
  const std::string shown = std::to_string(percent) + "%";
  text->setText(std::u16string(shown.begin(), shown.end()));
  if (text->shown() == (chargeState != kCharging)) return;
  text->setShown(chargeState != kCharging);
  invalidate(text->rect());
}

void CKestrinDlg::sensorChanged(std::uint16_t sensorModel) {
  (void)run_.data.applySensor(sensorModel);
  refreshFromProfile();
}

// Shutdown: the controls go first, then a pending save is done at once, then the device.
void CKestrinDlg::onDestroyed() {
  if (destroyed_) return;
  destroyed_ = true;
  if (autoSwitch_) context().openDialogs.setRemoveListener({});
  releaseAll();
  CDlgBase::onDestroyed();
  if (savePending_) run_.data.saveAll();
  osd_.reset();
  session_.reset();
  link_.reset();
  tray_.reset();
  autoSwitch_.reset();
  focus_.reset();
}

}  // namespace pelorin
