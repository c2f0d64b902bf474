#include "app/programs_dlg.h"

#include <algorithm>

#include "app/dialog_parts.h"
#include "app/profile_menu.h"
#include "lang/text_ids.h"
#include "pages/page.h"
#include "platform/text_format.h"
#include "skin/image_button.h"
#include "skin/notify_code.h"
#include "skin/static_text.h"

namespace pelorin {
namespace {

constexpr Colour kTitleColour = 0xFFFFFF;
constexpr Colour kNoteColour = 0xB4B4B4;
constexpr int kDialogBackground = 364;
constexpr int kRowTop = 45;
constexpr int kRowStep = 35;
constexpr int kMenuWidth = 300;
constexpr int kMenuRows = 10;
constexpr int kProfileMenuKind = 7;

Rect rowRect(int left, int right, std::size_t link) {
  const int top = kRowTop + kRowStep * static_cast<int>(link);
  return {left, top, right, top + 20};
}

}  // namespace

CProgramsDlg::CProgramsDlg(SkinContext& context, const LanguageTable& texts, ProfileRecord& profile,
                           Desktop* desktop, const FocusSource* focus)
    : CDlgBase(context, scaledSize(kDesignSize, context.scale)),
      texts_(texts),
      profile_(profile),
      desktop_(desktop),
      focus_(focus) {}

std::u16string CProgramsDlg::rowText(std::size_t link) const {
  const auto links = programLinks(profile_);
  if (link >= links.size()) return {};
  return links[link].empty() ? texts_[text_id::kNoProgram] : links[link];
}

void CProgramsDlg::onInitDialog() {
  const SkinContext& skin = context();
  const WindowId self = windowId();
  auto title = std::make_unique<CStaticText>(
      skin, self, kTitle, scaledRect({20, 3, 400, 27}, skin.scale),
      texts_[text_id::kProgramsTitle] + u": " + profile_.pairValue(0), kTitleColour,
      text::kLeft | text::kSingleLine | text::kEndEllipsis);
  title->setFont(skin.uiFont);
  addControl(0, std::move(title));
  addControl(0, makeExitButton(skin, self, kExit, {405, 4, 420, 19}));
  for (std::size_t k = 0; k < kProgramLinksPerProfile; ++k) {
    const int offset = static_cast<int>(k);
    addControl(0, makeLabel(skin, self, kFirstProgram + offset, rowRect(20, 250, k), rowText(k),
                            text::kLeft | text::kVCenter | text::kSingleLine | text::kEndEllipsis));
    addControl(0, makeTextButton(skin, self, kFirstChoose + offset, rowRect(260, 329, k),
                                 texts_[text_id::kChooseProgram]));
    addControl(0, makeTextButton(skin, self, kFirstClear + offset, rowRect(350, 419, k),
                                 texts_[text_id::kClearProgram]));
  }
  const bool hidden = focus_ != nullptr && focus_->reach() == FocusSource::Reach::RunningPrograms;
  auto note =
      std::make_unique<CStaticText>(skin, self, kNote, scaledRect({20, 148, 419, 190}, skin.scale),
                                    hidden ? texts_[text_id::kFocusHidden] : std::u16string(),
                                    kNoteColour, text::kLeft | text::kWordBreak);
  note->setFont(skin.uiFont);
  addControl(0, std::move(note));
  addControl(0, makeTextButton(skin, self, kOk, {350, 192, 419, 212}, texts_[text_id::kOk]));
  loadBackground(kDialogBackground);
}

std::intptr_t CProgramsDlg::handleMessage(const Message& message) {
  const int id = static_cast<int>(message.id);
  if (message.id == kListChosen) {
    closePopup(kListSlot);
    chooseRow(static_cast<std::size_t>(message.lParam));
  } else if (message.id == kListClosed) {
    closePopup(kListSlot);
  } else if (message.lParam != notify::kClicked) {
  } else if (id == kOk || id == kExit) {
    endDialog(changed_ ? kChanged : kCancel);
  } else if (id >= kFirstChoose && id < kFirstChoose + 3) {
    openChoice(static_cast<std::size_t>(id - kFirstChoose));
  } else if (id >= kFirstClear && id < kFirstClear + 3) {
    set(static_cast<std::size_t>(id - kFirstClear), {});
  }
  return 0;
}

// The running programs by name, then the file dialog; below the row's Choose button.
void CProgramsDlg::openChoice(std::size_t link) {
  choosing_ = link;
  running_.clear();
  if (focus_ != nullptr) {
    for (const ProgramIdentity& program : focus_->runningPrograms()) {
      if (std::find(running_.begin(), running_.end(), program.name) == running_.end()) {
        running_.push_back(program.name);
      }
    }
    std::sort(running_.begin(), running_.end());
  }
  std::vector<std::u16string> rows = running_;
  rows.push_back(texts_[text_id::kOtherProgram]);
  const float scale = context().scale;
  const int shown = std::min(static_cast<int>(rows.size()), kMenuRows);
  const Rect size =
      scaledRect(Rect::ofSize(0, 0, kMenuWidth, CProfileMenu::kRowHeight * shown), scale);
  const Rect frame = window()->frame();
  const Rect anchor = scaledRect(rowRect(20, 250, link), scale);
  const int bottom = context().host.screen().workArea.bottom;
  const int top = std::min(frame.top + anchor.bottom, bottom - size.height());
  // A list longer than the menu keeps its last rows, the file dialog among them.
  if (static_cast<int>(rows.size()) > shown) {
    rows.erase(rows.begin(), rows.end() - shown);
    running_.erase(running_.begin(), running_.end() - (shown - 1));
  }
  openPopup(kListSlot, std::make_unique<CProfileMenu>(context(), std::move(rows)),
            PopupPlacement{windowId(),
                           Rect::ofSize(frame.left + anchor.left, top, size.width(), size.height()),
                           kListChosen, 0, kProfileMenuKind});
}

void CProgramsDlg::chooseRow(std::size_t row) {
  if (row < running_.size()) {
    set(choosing_, running_[row]);
    return;
  }
  if (desktop_ == nullptr) return;
  const auto chosen = desktop_->shell().pickFile(FileDialogParams{
      FileDialogMode::Open, windowId(), texts_[text_id::kChooseProgramTitle], {}, {}, {}, {}});
  if (chosen) set(choosing_, chosen->u16string());
}

void CProgramsDlg::set(std::size_t link, std::u16string program) {
  if (programLinks(profile_)[link] == program) return;
  setProgramLink(profile_, link, std::move(program));
  changed_ = true;
  showRows();
}

void CProgramsDlg::showRows() {
  for (std::size_t k = 0; k < kProgramLinksPerProfile; ++k) {
    if (CControlBase* row = findControl(kFirstProgram + static_cast<int>(k))) {
      row->setText(rowText(k));
      invalidate(row->rect());
    }
  }
}

}  // namespace pelorin
