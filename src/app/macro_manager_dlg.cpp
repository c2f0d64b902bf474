#include "app/macro_manager_dlg.h"

#include "common/utf.h"

#include "app/list_scroll.h"
#include "keys/decimal_text.h"
#include "lang/text_ids.h"
#include "pages/page.h"
#include "platform/text_format.h"
#include "skin/check_button.h"
#include "skin/combo_button.h"
#include "skin/image_button.h"
#include "skin/image_show_list.h"
#include "skin/notify_code.h"
#include "skin/radio_button.h"
#include "skin/skin_edit.h"
#include "skin/static_text.h"
#include "skin/v_scroll_bar.h"

namespace pelorin {
namespace {

using namespace macro_manager_id;

// Posted to itself once a popup has closed: the command chosen in it runs then.
constexpr unsigned kRunPending = 1900;
constexpr Colour kCaptionColour = 0xFFFFFF;
constexpr Colour kListFrame = 0x949494;
constexpr Rect kTreeFrame{24, 53, 169, 324};
constexpr Rect kActionFrame{189, 53, 334, 324};
constexpr Rect kLoopCountRect{392, 190, 470, 210};
// The count box is parked this far to the right while the loop mode has no count.
constexpr int kParkedOffset = 1000;
constexpr std::uint32_t kLoopModeGroup = 0xE000;

// A control with a language text: captions and the buttons under the lists.
struct LabelRow {
  int id;
  Rect rect;
  int textId;
};

// The captions right of the radio buttons end inside the window, and the one above the insert
// button is as wide as the button, so no language's caption is cut.
constexpr LabelRow kTexts[] = {
    {2025, {24, 35, 124, 52}, text_id::kMacros},
    {2026, {189, 35, 289, 52}, text_id::kActions},
    {2027, {390, 84, 522, 102}, text_id::kRecordDelays},
    {2028, {390, 113, 522, 130}, text_id::kLoopUntilReleased},
    {2029, {390, 141, 522, 158}, text_id::kLoopUntilPressedAgain},
    {2030, {390, 169, 522, 186}, text_id::kRepeatCount},
    {2026, {370, 230, 487, 247}, text_id::kInsertAction},
};

constexpr LabelRow kButtons[] = {
    {kNewMacro, {24, 333, 89, 356}, text_id::kNewItem},
    {kDeleteItem, {104, 333, 169, 356}, text_id::kDeleteItem},
    {kModifyAction, {189, 333, 254, 356}, text_id::kModify},
    {kDeleteAction, {269, 333, 334, 356}, text_id::kDeleteItem},
    {kOkUnused, {367, 333, 432, 356}, text_id::kMacroOk},
    {kCancelUnused, {444, 333, 509, 356}, text_id::kMacroCancel},
};

constexpr Rect kLoopModeRects[] = {
    {368, 113, 383, 128}, {368, 141, 383, 156}, {368, 169, 383, 184}};
constexpr std::uint8_t kLoopTypes[] = {loop_type::kFirst, loop_type::kSecond,
                                       loop_type::kRepeatCount};

// Every control that recording switches off; the record and insert buttons stay usable.
constexpr int kLockedWhileRecording[] = {kExit,
                                         kOkUnused,
                                         kCancelUnused,
                                         kNewMacro,
                                         kDeleteItem,
                                         kInsertDelays,
                                         kActionList,
                                         kActionScroll,
                                         kModifyAction,
                                         kDeleteAction,
                                         kFirstLoopMode,
                                         kFirstLoopMode + 1,
                                         kRepeatLoopMode,
                                         kLoopCount,
                                         MacroTreePane::kTreeId,
                                         MacroTreePane::kScrollId};

}  // namespace

CMacroManagerDlg::CMacroManagerDlg(MacroManagerRun run)
    : CDlgBase(run.skin, scaledSize(kDesignSize, run.skin.scale)), run_(std::move(run)) {}

CMacroManagerDlg::~CMacroManagerDlg() {
  if (hook_) hook_->stop();
}

void CMacroManagerDlg::onInitDialog() {
  run_.macros.library.collapseAll();
  run_.macros.selection = LibraryLocation{};
  if (!run_.message) run_.message = macroMessageBoxes(run_.skin, run_.texts, windowId());
  if (!run_.notice) run_.notice = macroNoticeBoxes(run_.skin, run_.texts, windowId());
  createTexts();
  createLists();
  createButtons();
  loadBackground("skins\\Frame_Macro_Manager.bmp");
  refresh();
}

void CMacroManagerDlg::createTexts() {
  const SkinContext& skin = context();
  for (const LabelRow& row : kTexts) {
    auto text = std::make_unique<CStaticText>(
        skin, windowId(), row.id, scaledRect(row.rect, skin.scale), run_.texts[row.textId],
        kCaptionColour, text::kLeft | text::kVCenter | text::kSingleLine);
    text->setFont(skin.uiFont);
    captions_.push_back(addControl(0, std::move(text)));
  }
}

void CMacroManagerDlg::createLists() {
  const SkinContext& skin = context();
  pane_.create(*this, skin, run_.macros);
  actions_ = static_cast<CImageShowList*>(
      addControl(0, std::make_unique<CImageShowList>(skin, windowId(),
                                                     scaledRect({190, 54, 333, 323}, skin.scale))));
  actionBar_ = static_cast<CVScrollBar*>(
      addControl(0, std::make_unique<CVScrollBar>(skin, windowId(), kActionScroll,
                                                  scaledRect({334, 53, 352, 324}, skin.scale))));
}

void CMacroManagerDlg::createButtons() {
  const SkinContext& skin = context();
  const WindowId self = windowId();
  auto exit =
      std::make_unique<CImageButton>(skin, self, kExit, scaledRect({505, 3, 520, 18}, skin.scale));
  exit->loadNormalImage("skins\\exit_nr.png");
  exit->loadOverImage("skins\\exit_ov.png");
  addControl(0, std::move(exit));
  for (const LabelRow& row : kButtons) {
    auto button =
        std::make_unique<CImageButton>(skin, self, row.id, scaledRect(row.rect, skin.scale));
    button->loadNormalImage("skins\\button2_nr.png");
    button->loadOverImage("skins\\button2_ov.png");
    button->setFont(skin.uiFont);
    button->setText(run_.texts[row.textId]);
    captions_.push_back(addControl(0, std::move(button)));
  }
  auto record = std::make_unique<CCheckButton>(skin, self, kRecord,
                                               scaledRect({370, 53, 460, 71}, skin.scale));
  record->loadNormalImage("skins\\macro_record_nr.png");
  // The record button has no hover picture of its own; without one it would vanish under the
  // pointer.
  record->loadOverImage("skins\\macro_record_nr.png");
  record->loadDownImage("skins\\macro_record_dn.png");
  record->setFont(skin.uiFont);
  record->setText(run_.texts[text_id::kRecord]);
  record->setCheckedText(run_.texts[text_id::kStopRecording]);
  record_ = static_cast<CCheckButton*>(addControl(0, std::move(record)));
  captions_.push_back(record_);
  auto delays = std::make_unique<CCheckButton>(skin, self, kInsertDelays,
                                               scaledRect({370, 86, 381, 97}, skin.scale));
  delays->loadNormalImage("skins\\check_nr.png");
  delays->loadOverImage("skins\\check_ov.png");
  delays->loadDownImage("skins\\check_dn.png");
  delays_ = static_cast<CCheckButton*>(addControl(0, std::move(delays)));
  for (int k = 0; k < 3; ++k) {
    auto radio = std::make_unique<CRadioButton>(
        skin, self, kFirstLoopMode + k, scaledRect(kLoopModeRects[k], skin.scale), run_.options);
    radio->loadNormalImage("skins\\radio_nr.png");
    radio->loadOverImage("skins\\radio_ov.png");
    radio->loadDownImage("skins\\radio_dn.png");
    addControl(0, std::move(radio));
  }
  auto count =
      std::make_unique<CSkinEdit>(skin, self, kLoopCount, scaledRect(kLoopCountRect, skin.scale));
  Font tahoma = skin.uiFont;
  tahoma.face = u"Tahoma";
  count->setFont(tahoma);
  count->setCentred(true);
  loopCount_ = static_cast<CSkinEdit*>(addControl(0, std::move(count)));
  auto insert = std::make_unique<CComboButton>(
      skin, self, kInsertAction, scaledRect({370, 250, 487, 264}, skin.scale), kInsertClicked);
  insert->loadNormalImage("skins\\combo3_nr.png");
  insert->loadOverImage("skins\\combo3_ov.png");
  insert->setFont(skin.uiFont);
  insert->setText(run_.texts[text_id::kInsertAction]);
  insert_ = static_cast<CComboButton*>(addControl(0, std::move(insert)));
  captions_.push_back(insert_);
}

void CMacroManagerDlg::drawBackground(Canvas& canvas, const Rect& client) {
  CDlgBase::drawBackground(canvas, client);
  const float scale = context().scale;
  canvas.frameRect(scaledRect(kTreeFrame, scale), kListFrame);
  canvas.frameRect(scaledRect(kActionFrame, scale), kListFrame);
}

void CMacroManagerDlg::close() {
  if (recording()) stopRecording(false);
  run_.macros.selection.stage = -1;
  saved_ = saveLibrary();
  endDialog(kCancel);
}

// A failed save is told with the system's reason; the library in memory keeps the edits.
bool CMacroManagerDlg::saveLibrary() {
  std::error_code reason;
  if (run_.macros.library.write(run_.libraryFile, LibraryLocation{}, &reason) != 0) return true;
  run_.notice(text_id::kMacrosNotSaved, toUtf16(reason.message()));
  return false;
}

void CMacroManagerDlg::repaint() const {
  if (Window* w = window()) w->invalidateAll();
}

void CMacroManagerDlg::refresh() {
  LibraryItem* item = run_.macros.library.itemAt(run_.macros.selection);
  MacroKey* macro = item != nullptr && item->isMacro() ? item->macro.get() : nullptr;
  if (macro != current_) {
    current_ = macro;
    actions_->setMacro(macro);
    actions_->setFirstVisibleRow(0);
    actions_->select(-1);
  }
  updateActionBar();
  pane_.updateBar();
  refreshLoopControls();
  repaint();
}

void CMacroManagerDlg::updateActionBar() {
  const int rows = current_ != nullptr ? static_cast<int>(current_->actionCount) : 0;
  actionBar_->setModel(actions_->firstVisibleRow(), actions_->visibleRowCount(), rows);
}

void CMacroManagerDlg::showLastAction() {
  const int rows = static_cast<int>(current_->actionCount);
  actions_->setFirstVisibleRow(
      list_scroll::showingLast(actions_->firstVisibleRow(), rows, actions_->visibleRowCount()));
  updateActionBar();
}

void CMacroManagerDlg::refreshLoopControls() {
  const float scale = context().scale;
  run_.options.clear(kLoopModeGroup);
  const bool counted = current_ != nullptr && current_->loopType == loop_type::kRepeatCount;
  Rect place = kLoopCountRect;
  if (!counted) {
    place = Rect::ofSize(place.left + kParkedOffset, place.top, place.width(), place.height());
  }
  loopCount_->setRect(scaledRect(place, scale));
  if (current_ == nullptr) return;
  for (int k = 0; k < 3; ++k) {
    if (current_->loopType == kLoopTypes[k]) run_.options.choose(kFirstLoopMode + k);
  }
  if (counted) loopCount_->setText(decimalText(current_->loopCount));
}

void CMacroManagerDlg::chooseLoopMode(int id) {
  if (current_ == nullptr) {
    run_.options.clear(kLoopModeGroup);
  } else {
    current_->loopType = kLoopTypes[id - kFirstLoopMode];
  }
  refreshLoopControls();
  repaint();
}

void CMacroManagerDlg::loopCountEdited() {
  if (current_ == nullptr || current_->loopType != loop_type::kRepeatCount) return;
  const LoopCountEntry entry = parseLoopCount(loopCount_->text());
  if (!entry.replacement.empty()) loopCount_->setText(entry.replacement);
  current_->loopCount = entry.value;
}

void CMacroManagerDlg::setControlsEnabled(bool enabled) {
  for (int id : kLockedWhileRecording) {
    if (CControlBase* control = findControl(id)) control->setDisabled(!enabled);
  }
  if (!enabled) setFocusControl(nullptr);
  repaint();
}

void CMacroManagerDlg::toggleRecording() {
  if (!record_->checked()) {
    stopRecording(false);
  } else if (current_ == nullptr) {
    record_->setChecked(false);
    repaint();
    ask(text_id::kSelectAMacro);
  } else if (current_->actionCount > 0 && !ask(text_id::kRecordOverQuestion, true)) {
    record_->setChecked(false);  // the old actions stay
    repaint();
  } else {
    startRecording();
  }
}

void CMacroManagerDlg::startRecording() {
  if (run_.desktop != nullptr && !hook_) hook_ = run_.desktop->createKeyboardHook();
  if (hook_) hook_->start(windowId());
  recorder_.start(*current_);
  actions_->select(-1);
  actions_->setFirstVisibleRow(0);
  updateActionBar();
  setControlsEnabled(false);
}

void CMacroManagerDlg::stopRecording(bool atLimit) {
  record_->setChecked(false);
  setControlsEnabled(true);
  if (atLimit) ask(text_id::kMacroFullRecordingStopped);
  if (hook_) hook_->stop();
  recorder_.stop();
  static_cast<void>(saveLibrary());  // a failure is told; the close saves again
}

// The popups announce their closing with the hook's message number and a zero key; key codes
// below 8 are never recorded, so those reports fall through the recorder's first filter.
void CMacroManagerDlg::onHookKey(const Message& message) {
  if (!recording()) return;
  switch (recorder_.onHookKey(message.wParam, message.lParam, delays_->checked())) {
    case MacroRecorder::Outcome::Appended:
      showLastAction();
      repaint();
      break;
    case MacroRecorder::Outcome::LimitReached:
      stopRecording(true);
      break;
    case MacroRecorder::Outcome::Ignored:
      break;
  }
}

std::intptr_t CMacroManagerDlg::handleMessage(const Message& message) {
  if (message.id == msg::kHookKey) {
    onHookKey(message);
    return 0;
  }
  if (pane_.onScroll(message)) return 0;
  const auto code = static_cast<int>(message.lParam);
  switch (message.id) {
    case kInsertClicked:
      if (code == notify::kClicked) openInsertMenu();
      return 0;
    case kInsertChosen:
      closePopup(0);
      if (code >= 0 && code < kInsertItemCount) pendingInsert_ = static_cast<InsertItem>(code);
      context().host.post(windowId(), Message{kRunPending, 0, 0, {}});
      return 0;
    case kInsertClosed:
      insert_->setPopupOpen(false);
      repaint();
      return 0;
    case kLibraryChosen:
      closePopup(1);
      if (code >= 0 && code < static_cast<int>(menuRows_.size())) {
        pendingLibrary_ = menuRows_[static_cast<std::size_t>(code)];
      }
      context().host.post(windowId(), Message{kRunPending, 0, 0, {}});
      return 0;
    case kLibraryClosed:
      repaint();
      return 0;
    case kRunPending:
      runPending();
      return 0;
    default:
      return handleControl(static_cast<int>(message.id), code, message.wParam) ? 1 : 0;
  }
}

bool CMacroManagerDlg::handleControl(int id, int code, std::intptr_t wParam) {
  if (id == kActionScroll) {
    const int rows = current_ != nullptr ? static_cast<int>(current_->actionCount) : 0;
    actions_->setFirstVisibleRow(list_scroll::afterBar(
        *actionBar_, code, wParam, actions_->firstVisibleRow(), rows, actions_->visibleRowCount()));
    updateActionBar();
    return true;
  }
  if (id == kLoopCount && code == notify::kTextChanged) loopCountEdited();
  if (id == kActionList && code == notify::kDoubleClick) modifyAction();
  if (id == MacroTreePane::kTreeId) {
    if (code == notify::kClicked) refresh();
    if (code == notify::kDoubleClick) {
      pane_.tree().ensureVisible();
      refresh();
    }
    if (code == notify::kRightClick) {
      const Point at = *reinterpret_cast<const Point*>(wParam);
      refresh();
      openLibraryMenu(at);
    }
  }
  if (code != notify::kClicked) return false;
  switch (id) {
    case kExit:
      close();
      break;
    case kNewMacro:
      newItem(false);
      break;
    case kDeleteItem:
      deleteItem();
      break;
    case kModifyAction:
      modifyAction();
      break;
    case kDeleteAction:
      deleteAction();
      break;
    case kRecord:
      toggleRecording();
      break;
    case kFirstLoopMode:
    case kFirstLoopMode + 1:
    case kRepeatLoopMode:
      chooseLoopMode(id);
      break;
    default:
      return false;
  }
  return true;
}

void CMacroManagerDlg::runPending() {
  if (pendingInsert_) {
    const InsertItem item = *pendingInsert_;
    pendingInsert_.reset();
    insert_->setPopupOpen(false);
    insertAction(item);
  }
  if (pendingLibrary_) {
    const LibraryCommand command = *pendingLibrary_;
    pendingLibrary_.reset();
    runLibraryCommand(command);
  }
}

void CMacroManagerDlg::onMouse(const MouseEvent& event) {
  if (event.action != MouseAction::Wheel || recording()) {
    CDlgBase::onMouse(event);
    return;
  }
  if (pane_.onWheel(event.x, event.y, event.wheelDelta)) return;
  const int rows = current_ != nullptr ? static_cast<int>(current_->actionCount) : 0;
  actions_->setFirstVisibleRow(list_scroll::afterWheel(
      event.wheelDelta, actions_->firstVisibleRow(), rows, actions_->visibleRowCount()));
  updateActionBar();
}

}  // namespace pelorin
