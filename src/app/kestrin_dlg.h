#pragma once
// The main window: owns what lives as long as the program (device link and session, the loaded
// data, the pages and the window's timers) and routes every notification to its owner.
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "app/app_data.h"
#include "app/auto_switch.h"
#include "app/button_assignment.h"
#include "app/control_groups.h"
#include "app/osd_dialog.h"
#include "device/device_link.h"
#include "device/device_session.h"
#include "pages/page.h"
#include "pages/pages.h"
#include "platform/autostart.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/hid_bus.h"
#include "platform/single_instance.h"
#include "platform/ui_dispatcher.h"
#include "skin/dlg_base.h"

namespace pelorin {

class MainPageHost;

namespace main_timer {
constexpr int kFirstColour = 1;
constexpr int kLastColour = 8;
constexpr int kAssignmentNotice = ButtonAssignment::kNoticeTimer;
constexpr int kHideWhileHidden = 40;
constexpr int kStartUpFallback = 41;
constexpr int kTrayCheck = 42;
constexpr int kOsdCountdown = 50;
constexpr int kProfileAction = 60;
constexpr int kAutoSwitchCalm = 90;
}  // namespace main_timer

namespace main_msg {
// Posted to itself after its first frame: the start-up steps that follow the showing.
constexpr unsigned kStartUp = 1900;
constexpr unsigned kTrayCallback = 1056;
// The profile list of the profile button: a row was chosen (lParam), or it closed unused.
constexpr unsigned kProfileListChosen = 1125;
constexpr unsigned kProfileMenuClosed = 1126;
// The language menu of the profile list: lParam 0 English, 1 Chinese.
constexpr unsigned kLanguageChosen = 1127;
// A profile's action menu: wParam the profile, lParam the action.
constexpr unsigned kProfileActionChosen = 1164;
// The mouse changed its level or polling rate itself; wParam 1 asks for the on-screen display.
constexpr unsigned kOnScreenDisplay = 0x42B;
constexpr int kRestore = 2075;
constexpr int kExit = 2076;
constexpr int kStartAtLogin = 2077;
constexpr int kPauseSwitching = 2078;
// One of the program's dialogs closed: a profile switch it held back may follow.
constexpr unsigned kDialogClosed = 1901;
}  // namespace main_msg

// The actions of the profile menus, run by timer 60 once the menu has closed.
// Language carries the choice in place of the profile (0 English, 1 Chinese).
enum class ProfileAction : int {
  Import,
  Export,
  Edit,
  Delete,
  Add,
  AddRefused,
  Language,
  Programs
};

// What the program hands the window for its whole run.
struct MainWindowRun {
  SkinContext& skin;
  AppData& data;
  HidBus& bus;
  Clock& clock;
  UiDispatcher& ui;
  bool simulated = false;
  DeviceLink::TraceSink trace;
  // A modeless notice with a title and a text (both language texts by default).
  std::function<void(std::u16string_view title, std::u16string_view text)> notice;
  // Called once, when the window has painted for the first time (the start-up figure).
  std::function<void()> firstPainted;
  // The notification icon, the shell and the later starts' requests; none in some tests.
  Desktop* desktop = nullptr;
  SingleInstance* instance = nullptr;
  // The tray menu's start-at-login switch; the item is left out without one.
  Autostart* autostart = nullptr;
  // Started by the login entry: hidden in the tray whatever the configured start.
  bool startHidden = false;
};

class CKestrinDlg final : public CDlgBase, public DeviceHost, private AutoSwitchHost {
 public:
  static constexpr Size kDesignSize{1127, 740};

  explicit CKestrinDlg(MainWindowRun run);
  ~CKestrinDlg() override;

  // The restore request of a second start, the tray and its menu.
  void restoreRequest();
  // Closes every popup and dialog, then the window; the program ends with it.
  void exitProgram();
  // The desktop session ends (a stop signal, a logout): the pending save is done at once,
  // whatever dialog is open, then the program ends as the tray's exit does.
  void endSession();
  // The pending save, now; the display may already be gone, so it touches no window.
  void saveNow();
  void refreshFromProfile();
  void scheduleTransfer() { session_->scheduleTransfer(); }

  const OpenGroups& openGroups() const { return open_; }
  Page& page(ControlGroup group) const { return *groups_[static_cast<std::size_t>(group)]; }
  const Page& windowControls() const { return *window_; }
  std::vector<const Page*> pages() const;
  DeviceLink& link() { return *link_; }
  DeviceSession& session() { return *session_; }
  AppData& data() { return run_.data; }
  int hiddenKeys() const { return hiddenKeys_; }
  // The on-screen display while it is shown, else null.
  const COSDDialog* onScreenDisplay() const { return osd_.get(); }
  // Profile switching by the program in use; null where the desktop cannot tell the focus.
  AutoSwitch* autoSwitch() const { return autoSwitch_.get(); }
  FocusSource* focusSource() const { return focus_.get(); }

  // DeviceHost
  void startTimer(TimerId id, unsigned periodMs) override;
  void killTimer(TimerId id) override;
  void hideMainWindow() override;
  void closePopups() override;
  void quit() override { exitProgram(); }
  void refreshPages() override { refreshFromProfile(); }
  void showMainWindow() override;
  void minimiseMainWindow() override;
  void showProgress() override;
  void showNotice(DeviceNotice notice) override;
  void showOnScreenDisplay() override;
  void updateBattery(std::uint8_t percent, int chargeState) override;
  void sensorChanged(std::uint16_t sensorModel) override;
  void markCurrentProfileModified() override {}
  void currentProfileReset() override { run_.data.saveAll(); }

  void onPaint(Canvas& canvas, const Rect& dirty) override;
  void onTimer(int id) override;
  bool onDialogKey(const KeyEvent& event) override;
  void onDestroyed() override;

 protected:
  void onInitDialog() override;
  void drawBackground(Canvas& canvas, const Rect& client) override;
  std::intptr_t handleMessage(const Message& message) override;
  void onClose() override { closeWindow(); }
  bool showsAtCreation() const override { return session_->windowShown(); }

 private:
  void createControls();
  void applyTooltips();
  void decideVisibility();
  void start();
  // False while the desktop shows no notification area: the window is then the only way in.
  bool trayAvailable() const;
  // The user's close: to the tray, or the end of the program where there is no tray.
  void closeWindow();
  void addTrayIcon();
  std::vector<TrayMenuItem> trayMenu() const;
  void toggleStartAtLogin();
  void openGuide();
  void openMouseSettings();
  void openMacroManager();
  FileDialogParams profileFileDialog(FileDialogMode mode, int titleTextId) const;
  void importProfile(int profile);
  void exportProfile(int profile);
  void addProfile();
  void editProfile(int profile);
  std::function<void(int, int)> nameNotice();
  void placeColumn();
  void placeSlotBar();
  // True when the message was the slot bar's.
  bool handleSlotBar(const Message& message);
  bool handleWindowControl(int id, int code);
  void toggle(ControlGroup group);
  void selectSlot(int position);
  // What a slot click does, for the click and the automatic switch alike.
  void selectProfile(int profile);
  void startAutoSwitch();
  void togglePauseSwitching();
  void editPrograms(int profile);
  // AutoSwitchHost
  std::vector<ProgramRule> programRules() const override;
  int currentProfile() const override { return static_cast<int>(current()); }
  void switchProfile(int profile) override;
  bool dialogOpen() const override;
  void startCalmTimer(unsigned periodMs) override;
  void stopCalmTimer() override;
  void openProfileList();
  void openActionMenu(int profile, Point designAnchor, int popupSlot);
  void openLanguageMenu(Point designAnchor);
  // Writes the choice to the language settings, loads its texts and font and redraws every
  // open window with them.
  void switchLanguage(bool chinese);
  void chooseAction(int profile, ProfileAction action);
  void runProfileAction(ProfileAction action, int profile);
  void deleteProfile(int profile);
  void save();
  // An attention notice with two language texts.
  void notice(int titleTextId, int messageTextId);
  // A failure with the system's reason: the given one, else that of the latest failed write.
  void failureNotice(int messageTextId, std::string_view reason = {});
  void resetFirmware();
  void showOsd();
  void showOsdTexts(const OsdTexts& texts);
  void countDownOsd();
  Page* pageOwning(int id) const;
  std::size_t current() const { return run_.data.currentProfile(); }

  MainWindowRun run_;
  std::unique_ptr<DeviceLink> link_;
  std::unique_ptr<DeviceSession> session_;
  RadioOptions options_;
  DpiLevels levels_;
  std::unique_ptr<MainPageHost> pageHost_;
  std::unique_ptr<Page> window_;
  std::array<std::unique_ptr<Page>, kControlGroupCount> groups_;
  std::array<std::unique_ptr<Page>, 3> areas_;  // button combos, power, battery
  std::unique_ptr<ButtonAssignment> buttons_;
  OpenGroups open_;
  std::unique_ptr<Image> frame_;
  std::unique_ptr<Image> icon_;
  std::unique_ptr<TrayIcon> tray_;
  std::unique_ptr<COSDDialog> osd_;
  std::unique_ptr<FocusSource> focus_;
  std::unique_ptr<AutoSwitch> autoSwitch_;
  int osdCountdown_ = 0;
  // The progress animation runs its own loop; a dispatch inside that loop shows no second one.
  bool progressShown_ = false;
  std::optional<std::pair<ProfileAction, int>> pendingAction_;
  int hiddenKeys_ = 0;
  bool destroyed_ = false;
  bool started_ = false;
  // A dispatch or save is due: shutdown saves at once.
  bool savePending_ = false;
};

}  // namespace pelorin
