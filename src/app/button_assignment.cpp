#include "app/button_assignment.h"

#include <algorithm>

#include "app/button_messages.h"
#include "app/fire_key_dlg.h"
#include "app/function_popup.h"
#include "app/macro_choice.h"
#include "app/quick_launch_dlg.h"
#include "app/shortcut_dlg.h"
#include "lang/text_ids.h"
#include "pages/button_page.h"
#include "profile/captions.h"
#include "profile/profile_rules.h"
#include "skin/combo_button.h"
#include "skin/notify_code.h"
#include "skin/popup_kind.h"
#include "skin/skin_images.h"

namespace pelorin {
namespace {

using button_msg::menuMessages;
using button_msg::MenuMessages;

// The main menu opens right of the combo and a little above its bottom edge, and moves up when
// it would leave the screen.
constexpr int kMenuRight = 161;
constexpr int kMenuUp = 20;
constexpr int kMenuFits = 314;
constexpr int kMenuLifted = 294;
constexpr std::array<FunctionMenu, kFunctionMenuCount> kMenus = {
    FunctionMenu::Main,         FunctionMenu::Dpi,    FunctionMenu::DpiLock,
    FunctionMenu::Multimedia,   FunctionMenu::Office, FunctionMenu::WindowManage,
    FunctionMenu::ProfileSwitch};
// Where each button's mark lies on the mouse picture, design pixels.
constexpr std::array<Point, button_combo::kLast - button_combo::kFirst + 1> kHoverMarks = {
    {{495, 271},
     {608, 271},
     {553, 291},
     {467, 341},
     {471, 390},
     {553, 313},
     {616, 346},
     {487, 284},
     {487, 284}}};

int scaled(int design, float scale) {
  return static_cast<int>(static_cast<float>(design) * scale);
}

const SelectionRecord* recordOf(const Message& message) {
  return reinterpret_cast<const SelectionRecord*>(message.lParam);
}

}  // namespace

bool ButtonAssignment::handle(const Message& m) {
  using namespace button_msg;
  const int id = static_cast<int>(m.id);
  if (id >= button_combo::kFirst && id <= button_combo::kLast) return true;
  switch (m.id) {
    case button_combo::kMessage:
      onCombo(static_cast<int>(m.wParam), static_cast<int>(m.lParam));
      return true;
    case kShortcutChosen:
    case kFireKeyChosen:
    case kMacroChosen:
      if (recordOf(m) != nullptr) apply(*recordOf(m));
      return true;
    case kQuickLaunchChosen:
      if (const auto* path = reinterpret_cast<const std::u16string*>(m.wParam);
          path != nullptr && recordOf(m) != nullptr) {
        const MacroKey launch = MacroKey::create(*path);
        apply(*recordOf(m), &launch);
      }
      return true;
    case kCloseSubmenus:
      env_.window.closePopup(kSubmenuSlot);
      return true;
    case kFireKeyRequest:
    case kMacroRequest:
    case kShortcutRequest: {
      closeMenus();
      const unsigned open = m.id == kFireKeyRequest ? kOpenFireKey
                            : m.id == kMacroRequest ? kOpenMacro
                                                    : kOpenShortcut;
      env_.skin.host.post(env_.window.windowId(), Message{open, m.wParam, 0, {}});
      return true;
    }
    case kOpenShortcut:
    case kOpenFireKey:
    case kOpenMacro:
    case kOpenQuickLaunch:
      runDialog(m.id);
      return true;
    default:
      break;
  }
  for (FunctionMenu menu : kMenus) {
    const MenuMessages messages = menuMessages(menu);
    const auto closed = popupClosedMessage(messages.kind);
    if (m.id == messages.chosen) {
      // wParam 0 only asks to bring the menus to the front, which they already are.
      if (m.wParam != 0 && recordOf(m) != nullptr) apply(*recordOf(m));
    } else if (m.id == messages.open && menu == FunctionMenu::ProfileSwitch) {
      openMenu(menu, static_cast<int>(m.wParam));
    } else if (m.id == messages.open && messages.open != 0) {
      openSubmenu(menu);
    } else if (closed && m.id == *closed) {
      menuLostFocus();
    } else {
      continue;
    }
    return true;
  }
  return false;
}

void ButtonAssignment::onCombo(int combo, int code) {
  if (combo < button_combo::kFirst || combo > button_combo::kLast) return;
  if (code == notify::kClicked) openMenu(FunctionMenu::Main, combo);
  if (code == notify::kPointerEntered || code == notify::kPointerLeft) {
    const std::optional<int> next =
        code == notify::kPointerEntered ? std::optional<int>(combo) : std::nullopt;
    if (next == hovered_) return;
    hovered_ = next;
    hoverImage_.reset();
    if (Window* w = env_.window.window()) w->invalidateAll();
  }
  if (code == notify::kRightClick) {
    env_.skin.host.send(env_.window.windowId(),
                        Message{menuMessages(FunctionMenu::ProfileSwitch).open,
                                static_cast<std::intptr_t>(combo),
                                0,
                                {}});
  }
}

// A request for the profile-switch menu while a menu is open is ignored.
void ButtonAssignment::openMenu(FunctionMenu menu, int combo) {
  const CWndPopup* open = env_.window.popup(kMenuSlot);
  if (menu == FunctionMenu::ProfileSwitch && open != nullptr && open->isOpen()) return;
  auto* control = dynamic_cast<CComboButton*>(env_.window.findControl(combo));
  if (control == nullptr) return;
  closeMenus();
  pending_ = combo;
  control->setPopupOpen(true);
  const float s = env_.skin.scale;
  const Rect frame = env_.window.window()->frame();
  const Rect anchor = control->rect();
  const Size size{scaled(CFunctionPopup::kMainWidth, s),
                  scaled(CFunctionPopup::designHeight(menu), s)};
  int top = frame.top + anchor.bottom - scaled(kMenuUp, s);
  const int screenBottom = env_.skin.host.screen().workArea.bottom;
  if (top + scaled(kMenuFits, s) > screenBottom) top = screenBottom - scaled(kMenuLifted, s);
  const MenuMessages messages = menuMessages(menu);
  env_.window.openPopup(
      kMenuSlot, std::make_unique<CFunctionPopup>(env_.skin, menu, env_.data.texts),
      PopupPlacement{env_.window.windowId(),
                     Rect::ofSize(frame.left + anchor.left + scaled(kMenuRight, s), top, size.width,
                                  size.height),
                     messages.chosen, combo, messages.kind});
}

// Beside the main menu, level with the row that opened it, kept on the screen.
void ButtonAssignment::openSubmenu(FunctionMenu menu) {
  const CWndPopup* main = env_.window.popup(kMenuSlot);
  if (main == nullptr || !main->isOpen() || !pending_) return;
  const auto* open = dynamic_cast<const CFunctionPopup*>(env_.window.popup(kSubmenuSlot));
  if (open != nullptr && open->isOpen() && open->menu() == menu) return;
  const auto rows = menuEntries(FunctionMenu::Main);
  const auto row = std::find_if(rows.begin(), rows.end(),
                                [menu](const CatalogueEntry& e) { return e.submenu == menu; });
  const float s = env_.skin.scale;
  const Rect mainFrame = env_.skin.host.find(main->windowId())->frame();
  const Size size{scaled(CFunctionPopup::kSubmenuWidth, s),
                  scaled(CFunctionPopup::designHeight(menu), s)};
  const int rowTop =
      mainFrame.top + scaled(CFunctionPopup::kRowHeight, s) * static_cast<int>(row - rows.begin());
  const int top = std::min(rowTop, env_.skin.host.screen().workArea.bottom - size.height);
  const MenuMessages messages = menuMessages(menu);
  openingSubmenu_ = true;
  env_.window.openPopup(kSubmenuSlot,
                        std::make_unique<CFunctionPopup>(env_.skin, menu, env_.data.texts),
                        PopupPlacement{env_.window.windowId(),
                                       Rect::ofSize(mainFrame.right, top, size.width, size.height),
                                       messages.chosen, *pending_, messages.kind});
  openingSubmenu_ = false;
}

// The menus hand the focus to each other; only a focus that leaves all of them closes them.
void ButtonAssignment::menuLostFocus() {
  if (openingSubmenu_ || menuHasFocus()) return;
  closeMenus();
}

bool ButtonAssignment::menuHasFocus() const {
  for (int slot : {kMenuSlot, kSubmenuSlot}) {
    const CWndPopup* menu = env_.window.popup(slot);
    const Window* shown = menu != nullptr ? env_.skin.host.find(menu->windowId()) : nullptr;
    if (shown != nullptr && shown->hasFocus()) return true;
  }
  return false;
}

void ButtonAssignment::closeMenus() {
  env_.window.closePopup(kSubmenuSlot);
  env_.window.closePopup(kMenuSlot);
  // The menu took the pointer, so its leaving was never told: the number goes with the menu.
  if (hovered_) {
    hovered_.reset();
    if (Window* w = env_.window.window()) w->invalidateAll();
  }
  if (!pending_) return;
  if (auto* combo = dynamic_cast<CComboButton*>(env_.window.findControl(*pending_))) {
    combo->setPopupOpen(false);
  }
}

// The menu has gone before the dialog opens; the dialog's answer comes back as a message.
void ButtonAssignment::runDialog(unsigned openMessage) {
  if (!pending_) return;
  closeMenus();
  const WindowId owner = env_.window.windowId();
  switch (openMessage) {
    case button_msg::kOpenShortcut: {
      CShortcutDlg dialog(env_.skin, env_.data.texts,
                          env_.desktop != nullptr ? env_.desktop->createKeyboardHook() : nullptr,
                          owner, *pending_);
      dialog.doModal(WindowKind::Modal, owner);
      break;
    }
    case button_msg::kOpenFireKey: {
      CFireKeyDlg dialog(env_.skin, env_.data.texts, env_.notice, owner, *pending_);
      dialog.doModal(WindowKind::Modal, owner);
      break;
    }
    case button_msg::kOpenQuickLaunch: {
      CQuickLaunchDlg dialog(env_.skin, env_.desktop != nullptr ? &env_.desktop->shell() : nullptr,
                             owner);
      dialog.doModal(WindowKind::Modal, owner);
      break;
    }
    case button_msg::kOpenMacro: {
      if (const auto macro = chooseMacro(env_.skin, env_.data.texts, owner, env_.data.macros)) {
        apply(macroSelection(macro->name, env_.data.texts), &*macro);
      }
      break;
    }
    default:
      break;
  }
}

void ButtonAssignment::apply(const SelectionRecord& record, const MacroKey* attached) {
  if (!pending_) return;
  closeMenus();
  const auto slot = button_combo::slotOf(*pending_);
  const ProfileRecord* current = env_.host.profile();
  if (!slot || current == nullptr) return;
  const PageHost::Change assign = [&record, attached,
                                   at = static_cast<std::size_t>(*slot)](ProfileRecord& profile) {
    KeySlot& key = profile.keys[at];
    key.Name = record.caption;
    key.Value = record.code;
    if (attached != nullptr) {
      key.Macro = *attached;
      key.MacroKeyIndex = attached->keyIndex;
    }
  };
  ProfileRecord trial = *current;
  assign(trial);
  if (hasLeftClick(trial)) {
    env_.host.edit(SettingGroup::Buttons, assign);
  } else {
    refuseLosingLeftClick();
  }
}

// A profile needs a left click somewhere, or the mouse could not be used to undo the change.
void ButtonAssignment::refuseLosingLeftClick() {
  waitingNotice_ = {text_id::kAttentionTitle, text_id::kLeftClickMustStay};
  env_.window.window()->setTimer(kNoticeTimer, std::chrono::milliseconds(kNoticeDelayMs));
}

void ButtonAssignment::drawHover(Canvas& canvas) const {
  if (!hovered_) return;
  const auto index = static_cast<std::size_t>(*hovered_ - button_combo::kFirst);
  if (!hoverImage_) {
    hoverImage_ =
        loadSkinImage(env_.skin, "skins\\mouse\\number" + std::to_string(index + 1) + ".png");
  }
  if (!hoverImage_) return;
  const float s = env_.skin.scale;
  const Point at = kHoverMarks[index];
  canvas.drawImage(*hoverImage_,
                   Rect::ofSize(scaled(at.x, s), scaled(at.y, s), scaled(hoverImage_->width(), s),
                                scaled(hoverImage_->height(), s)));
}

void ButtonAssignment::showPendingNotice() {
  if (!waitingNotice_) return;
  const auto [title, text] = *waitingNotice_;
  waitingNotice_.reset();
  if (env_.notice) env_.notice(title, text);
}

}  // namespace pelorin
