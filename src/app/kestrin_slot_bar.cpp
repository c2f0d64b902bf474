// The profile slot bar of the main window: the slots and their row of buttons, the profile
// menus, and the profile actions that timer 60 runs once the menus are closed.
#include <algorithm>
#include <array>

#include "app/kestrin_dlg.h"
#include "app/profile_menu.h"
#include "app/profile_name_dlg.h"
#include "app/show_list_actions.h"
#include "app/window_controls.h"
#include "lang/text_ids.h"
#include "pages/profile_slot_button.h"
#include "profile/profile_file.h"
#include "skin/notify_code.h"

namespace pelorin {
namespace {

constexpr unsigned kProfileActionMs = 100;
constexpr std::u16string_view kProfileExtension = u"psf";
// The slot bar as the window places it at every paint.
constexpr int kSlotLeft = 300;
constexpr int kSlotWidth = 162;
constexpr int kSlotTop = 480;
constexpr int kSlotStep = 25;
constexpr int kSlotHeight = 21;
constexpr int kAddTop = 483;
constexpr int kAddHeight = 20;
struct RowButton {
  int id;
  int left;  // from the slot bar's left edge
  int width;
};
constexpr std::array<RowButton, 4> kSlotRow = {{{ctl_id::kAddProfile, 0, 46},
                                                {ctl_id::kImportProfile, 50, 34},
                                                {ctl_id::kExportProfile, 88, 34},
                                                {ctl_id::kEditProfile, 126, 34}}};
constexpr int kAddMinRows = 3;
// The profile menus: captions of import, export, rename and delete; sizes in design pixels.
constexpr int kFirstActionText = text_id::kProfileImport;
constexpr int kActionCount = 4;
// Below them, where the desktop tells the program in use, the profile's linked programs.
constexpr std::intptr_t kProgramsRow = kActionCount;
constexpr int kMenuWidth = 300;
constexpr int kActionMenuRight = 161;
constexpr int kActionMenuUp = 20;
constexpr int kProfileListUp = 201;
constexpr int kProfileMenuKind = 7;
constexpr int kListSlot = 0;
constexpr int kActionSlot = 1;
// The list's placement word, so that its closing is told apart from its action menu's.
constexpr std::intptr_t kListMarker = -1;
constexpr std::intptr_t kLanguageMarker = -2;

}  // namespace

// Re-placed at every paint: as many slots as are shown, the button row below at least three.
void CKestrinDlg::placeSlotBar() {
  const float scale = context().scale;
  const ShowList list = run_.data.config.showList();
  for (int k = 0; k < static_cast<int>(kProfileCount); ++k) {
    window_->control(ctl_id::kFirstSlot + k)
        ->setRect(scaledRect(
            Rect::ofSize(kSlotLeft, kSlotTop + kSlotStep * k, kSlotWidth, kSlotHeight), scale));
  }
  // The add button, then import, export and rename in the same row.
  const int rowTop = kAddTop + kSlotStep * std::max(list.count, kAddMinRows);
  for (const auto& [id, left, width] : kSlotRow) {
    window_->control(id)->setRect(
        scaledRect(Rect::ofSize(kSlotLeft + left, rowTop, width, kAddHeight), scale));
  }
}

bool CKestrinDlg::handleSlotBar(const Message& m) {
  const int id = static_cast<int>(m.id);
  const int code = static_cast<int>(m.lParam);
  if (m.id == main_msg::kProfileActionChosen) {
    chooseAction(static_cast<int>(m.wParam), m.lParam == kProgramsRow
                                                 ? ProfileAction::Programs
                                                 : static_cast<ProfileAction>(m.lParam));
  } else if (m.id == main_msg::kProfileListChosen) {
    const ShowList list = run_.data.config.showList();
    const auto row = static_cast<std::size_t>(m.lParam);
    const float scale = context().scale;
    const Rect anchor = window_->control(ctl_id::kProfileButton)->rect();
    const Point beside{static_cast<int>(static_cast<float>(anchor.left) / scale) + kMenuWidth,
                       static_cast<int>(static_cast<float>(anchor.top) / scale) - kProfileListUp +
                           CProfileMenu::kRowHeight * static_cast<int>(row)};
    if (row < static_cast<std::size_t>(list.count)) {
      openActionMenu(list.order[row], beside, kActionSlot);
    } else if (row == static_cast<std::size_t>(list.count)) {
      openLanguageMenu(beside);
    }
  } else if (m.id == main_msg::kLanguageChosen) {
    chooseAction(static_cast<int>(m.lParam), ProfileAction::Language);
  } else if (m.id == main_msg::kProfileMenuClosed) {
    // The list loses the focus to its own action menu too; that one decides for both.
    const bool actionsOpen = popup(kActionSlot) != nullptr && popup(kActionSlot)->isOpen();
    if (m.wParam != kListMarker || !actionsOpen) {
      closePopup(kListSlot);
      closePopup(kActionSlot);
    }
  } else if (id >= ctl_id::kFirstSlot && id <= ctl_id::kLastSlot) {
    const int position = id - ctl_id::kFirstSlot;
    if (code == notify::kClicked) selectSlot(position);
    if (code == notify::kRightClick) {
      const Rect rect = window_->control(id)->rect();
      const float scale = context().scale;
      openActionMenu(run_.data.config.showList().order[static_cast<std::size_t>(position)],
                     {static_cast<int>(static_cast<float>(rect.left) / scale) + kActionMenuRight,
                      static_cast<int>(static_cast<float>(rect.bottom) / scale) - kActionMenuUp},
                     kActionSlot);
    }
  } else if (id == ctl_id::kProfileButton && code == notify::kClicked) {
    openProfileList();
  } else if (id == ctl_id::kEditProfile && code == notify::kClicked) {
    chooseAction(static_cast<int>(current()), ProfileAction::Edit);
  } else if (id == ctl_id::kExportProfile && code == notify::kClicked) {
    chooseAction(static_cast<int>(current()), ProfileAction::Export);
  } else if (id == ctl_id::kImportProfile && code == notify::kClicked) {
    chooseAction(static_cast<int>(current()), ProfileAction::Import);
  } else if (id == ctl_id::kAddProfile && code == notify::kClicked) {
    const bool allShown = run_.data.config.showList().count >= static_cast<int>(kProfileCount);
    chooseAction(static_cast<int>(current()),
                 allShown ? ProfileAction::AddRefused : ProfileAction::Add);
  } else {
    return false;
  }
  return true;
}

void CKestrinDlg::selectSlot(int position) {
  const ShowList list = run_.data.config.showList();
  if (position >= list.count) return;
  const int profile = list.order[static_cast<std::size_t>(position)];
  selectProfile(profile);
  if (autoSwitch_) autoSwitch_->onHandPicked(profile);
}

void CKestrinDlg::selectProfile(int profile) {
  run_.data.config.setCurrentProfile(profile);
  session_->setCurrentProfile(current());
  refreshFromProfile();
  session_->markAllPending();
  scheduleTransfer();
}

void CKestrinDlg::openProfileList() {
  const ShowList list = run_.data.config.showList();
  std::vector<std::u16string> names;
  int marked = -1;
  for (int k = 0; k < list.count; ++k) {
    const auto profile = static_cast<std::size_t>(list.order[static_cast<std::size_t>(k)]);
    if (profile == current()) marked = k;
    names.push_back(run_.data.profiles.record(profile)->pairValue(0));
  }
  // The last row opens the language menu beside it.
  names.push_back(run_.data.texts[text_id::kLanguage]);
  const float scale = context().scale;
  const Rect frame = window()->frame();
  const Rect anchor = window_->control(ctl_id::kProfileButton)->rect();
  const Rect design =
      Rect::ofSize(0, 0, kMenuWidth, CProfileMenu::kRowHeight * static_cast<int>(names.size()));
  const Rect size = scaledRect(design, scale);
  openPopup(
      kListSlot, std::make_unique<CProfileMenu>(context(), std::move(names), marked),
      PopupPlacement{windowId(),
                     Rect::ofSize(frame.left + anchor.left,
                                  frame.top + anchor.top - static_cast<int>(kProfileListUp * scale),
                                  size.width(), size.height()),
                     main_msg::kProfileListChosen, kListMarker, kProfileMenuKind});
}

// The action menu of one profile at a design point of the window, moved up to stay on screen.
void CKestrinDlg::openActionMenu(int profile, Point designAnchor, int popupSlot) {
  std::vector<std::u16string> rows;
  for (int k = 0; k < kActionCount; ++k) rows.push_back(run_.data.texts[kFirstActionText + k]);
  if (focus_) rows.push_back(run_.data.texts[text_id::kProfilePrograms]);
  const float scale = context().scale;
  const Rect frame = window()->frame();
  const int height = CProfileMenu::kRowHeight * static_cast<int>(rows.size());
  const Rect size = scaledRect(Rect::ofSize(0, 0, kMenuWidth, height), scale);
  const Rect anchor = scaledRect(Rect::ofSize(designAnchor.x, designAnchor.y, 0, 0), scale);
  const int bottom = context().host.screen().workArea.bottom;
  const int top = std::min(frame.top + anchor.top, bottom - size.height());
  openPopup(popupSlot, std::make_unique<CProfileMenu>(context(), std::move(rows)),
            PopupPlacement{windowId(),
                           Rect::ofSize(frame.left + anchor.left, top, size.width(), size.height()),
                           main_msg::kProfileActionChosen, profile, kProfileMenuKind});
}

// English and Chinese, each named in its own language, the one in use marked.
void CKestrinDlg::openLanguageMenu(Point designAnchor) {
  const LanguageTable& texts = run_.data.texts;
  std::vector<std::u16string> rows{texts[text_id::kLanguageEnglish],
                                   texts[text_id::kLanguageChinese]};
  const int marked = texts[0] == texts[text_id::kLanguageChinese] ? 1 : 0;
  const float scale = context().scale;
  const Rect frame = window()->frame();
  const Rect size = scaledRect(
      Rect::ofSize(0, 0, kMenuWidth, CProfileMenu::kRowHeight * static_cast<int>(rows.size())),
      scale);
  const Rect anchor = scaledRect(Rect::ofSize(designAnchor.x, designAnchor.y, 0, 0), scale);
  openPopup(kActionSlot, std::make_unique<CProfileMenu>(context(), std::move(rows), marked),
            PopupPlacement{windowId(),
                           Rect::ofSize(frame.left + anchor.left, frame.top + anchor.top,
                                        size.width(), size.height()),
                           main_msg::kLanguageChosen, kLanguageMarker, kProfileMenuKind});
}

// The menus close first; the action runs from timer 60 once they are gone.
void CKestrinDlg::chooseAction(int profile, ProfileAction action) {
  closePopup(kListSlot);
  closePopup(kActionSlot);
  pendingAction_ = {action, profile};
  window()->setTimer(main_timer::kProfileAction, std::chrono::milliseconds(kProfileActionMs));
}

void CKestrinDlg::runProfileAction(ProfileAction action, int profile) {
  switch (action) {
    case ProfileAction::Import:
      importProfile(profile);
      break;
    case ProfileAction::Export:
      exportProfile(profile);
      break;
    case ProfileAction::Edit:
      editProfile(profile);
      break;
    case ProfileAction::Delete:
      deleteProfile(profile);
      break;
    case ProfileAction::Add:
      addProfile();
      break;
    case ProfileAction::AddRefused:
      notice(text_id::kAttentionTitle, text_id::kAllProfilesInUse);
      break;
    case ProfileAction::Language:
      switchLanguage(profile == 1);
      break;
    case ProfileAction::Programs:
      editPrograms(profile);
      break;
    default:
      break;
  }
}

FileDialogParams CKestrinDlg::profileFileDialog(FileDialogMode mode, int titleTextId) const {
  std::error_code error;
  return FileDialogParams{
      mode,
      windowId(),
      run_.data.texts[titleTextId],
      {FileFilter{run_.data.texts[text_id::kProfileFilter], {std::u16string(kProfileExtension)}}},
      std::u16string(kProfileExtension),
      std::filesystem::current_path(error),
      {}};
}

// A file that breaks the rules resets the profile to its defaults, as at start-up; either way
// the whole profile goes to the mouse.
void CKestrinDlg::importProfile(int profile) {
  if (run_.desktop == nullptr) return;
  const auto chosen = run_.desktop->shell().pickFile(
      profileFileDialog(FileDialogMode::Open, text_id::kImportProfileTitle));
  if (!chosen) return;
  const auto index = static_cast<std::size_t>(profile);
  readProfileFile(run_.data.profiles, index, *chosen, run_.data.config.slotPath(index),
                  run_.data.texts);
  run_.data.fitDpiSteps();
  save();
  refreshFromProfile();
  session_->markAllPending();
  scheduleTransfer();
}

void CKestrinDlg::exportProfile(int profile) {
  const ProfileRecord* record = run_.data.profiles.record(static_cast<std::size_t>(profile));
  if (run_.desktop == nullptr || record == nullptr) return;
  const auto chosen = run_.desktop->shell().pickFile(
      profileFileDialog(FileDialogMode::Save, text_id::kExportProfileTitle));
  if (chosen && !writeProfileFile(*record, *chosen)) failureNotice(text_id::kExportFailed);
}

void CKestrinDlg::addProfile() {
  const auto target = nextHiddenProfile(run_.data.config.showList());
  if (!target) {
    notice(text_id::kAttentionTitle, text_id::kAllProfilesInUse);
    return;
  }
  CAddProfileDlg dialog(context(), run_.data.texts, nameNotice(), run_.data.profiles,
                        run_.data.config, *target);
  if (dialog.doModal(WindowKind::Modal, windowId()) != CProfileNameDlg::kConfirmed) return;
  save();
  refreshFromProfile();
}

void CKestrinDlg::editProfile(int profile) {
  ProfileRecord* record = run_.data.profiles.record(static_cast<std::size_t>(profile));
  if (record == nullptr) return;
  CEditProfileDlg dialog(context(), run_.data.texts, nameNotice(), *record);
  if (dialog.doModal(WindowKind::Modal, windowId()) != CProfileNameDlg::kConfirmed) return;
  save();
  refreshFromProfile();
}

std::function<void(int, int)> CKestrinDlg::nameNotice() {
  return [this](int title, int message) { notice(title, message); };
}

void CKestrinDlg::deleteProfile(int profile) {
  if (profile == static_cast<int>(current())) {
    notice(text_id::kAttentionTitle, text_id::kCurrentProfileNotDeletable);
    return;
  }
  const auto list = hideProfile(run_.data.config.showList(), profile);
  if (!list) return;
  run_.data.config.setShowList(*list);
  save();
  refreshFromProfile();
}

void CKestrinDlg::save() {
  killTimer(TimerId::SaveProfiles);
  savePending_ = false;
  if (!run_.data.saveAll()) failureNotice(text_id::kSaveFailed);
}

}  // namespace pelorin
