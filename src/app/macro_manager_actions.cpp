// The action list commands of the macro manager: the insert menu, modify and delete.
#include "app/delay_dlg.h"
#include "app/key_capture_dlg.h"
#include "app/list_scroll.h"
#include "app/macro_manager_dlg.h"
#include "app/move_dlg.h"
#include "app/profile_menu.h"
#include "lang/text_ids.h"
#include "pages/page.h"
#include "skin/combo_button.h"
#include "skin/image_show_list.h"

namespace pelorin {
namespace {

constexpr int kInsertMenuSlot = 0;
constexpr int kInsertMenuKind = 14;
constexpr int kInsertMenuWidth = 117;  // design pixels, the insert button's width
constexpr int kInsertTexts[kInsertItemCount] = {
    text_id::kLeftClick, text_id::kRightClick, text_id::kMiddleClick,
    text_id::kDelay,     text_id::kKey,        text_id::kMoveLeft,
    text_id::kMoveRight, text_id::kMoveUp,     text_id::kMoveDown};

}  // namespace

ActionEditors CMacroManagerDlg::editors() {
  ActionEditors editors;
  editors.captureKey = [this](MacroAction& action) {
    auto hook = run_.desktop != nullptr ? run_.desktop->createKeyboardHook() : nullptr;
    CActionKeyModifyDlg dialog(run_.skin, run_.texts, std::move(hook), action);
    return dialog.doModal(WindowKind::Modal, windowId()) == CMacroValueDlg::kConfirmed;
  };
  editors.editDelay = [this](MacroAction& action) {
    CActionTimeModifyDlg dialog(run_.skin, run_.texts, action, run_.message);
    return dialog.doModal(WindowKind::Modal, windowId()) == CMacroValueDlg::kConfirmed;
  };
  editors.editMove = [this](MacroAction& action, InsertItem direction) {
    CActionXYModifyDlg dialog(run_.skin, run_.texts, action, direction, run_.message);
    return dialog.doModal(WindowKind::Modal, windowId()) == CMacroValueDlg::kConfirmed;
  };
  return editors;
}

void CMacroManagerDlg::openInsertMenu() {
  std::vector<std::u16string> rows;
  for (int textId : kInsertTexts) rows.push_back(run_.texts[textId]);
  const float scale = context().scale;
  const Rect frame = window()->frame();
  const Rect anchor = insert_->rect();
  const Rect size = scaledRect(
      Rect::ofSize(0, 0, kInsertMenuWidth, CProfileMenu::kRowHeight * kInsertItemCount), scale);
  insert_->setPopupOpen(true);
  openPopup(kInsertMenuSlot, std::make_unique<CProfileMenu>(context(), std::move(rows)),
            PopupPlacement{windowId(),
                           Rect::ofSize(frame.left + anchor.left, frame.top + anchor.bottom,
                                        size.width(), size.height()),
                           macro_manager_id::kInsertChosen, 0, kInsertMenuKind});
}

// While recording, the hook rests during the insert so the dialogs' own keys stay out of the
// macro.
void CMacroManagerDlg::insertAction(InsertItem item) {
  if (current_ == nullptr) {
    ask(text_id::kSelectMacroFirst);
    return;
  }
  const bool resume = recording() && hook_;
  if (resume) hook_->stop();
  const EditResult result =
      pelorin::insertAction(*current_, item, actions_->selectedRow(), editors());
  if (result.outcome == EditResult::Full) ask(text_id::kMacroFull);
  actions_->select(result.selectedRow);
  if (result.outcome == EditResult::Done) showLastAction();
  updateActionBar();
  repaint();
  if (resume) hook_->start(windowId());
}

void CMacroManagerDlg::modifyAction() {
  if (current_ == nullptr || actions_->selectedRow() < 0) return;
  if (pelorin::modifyAction(*current_, actions_->selectedRow(), editors())) repaint();
}

void CMacroManagerDlg::deleteAction() {
  if (current_ == nullptr || actions_->selectedRow() < 0) return;
  actions_->select(pelorin::deleteAction(*current_, actions_->selectedRow()));
  // Deleting near the bottom of a scrolled list would leave blank rows below the last action.
  actions_->setFirstVisibleRow(list_scroll::clampFirst(actions_->firstVisibleRow(),
                                                       static_cast<int>(current_->actionCount),
                                                       actions_->visibleRowCount()));
  updateActionBar();
  repaint();
}

}  // namespace pelorin
