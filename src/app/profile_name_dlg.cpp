#include "app/profile_name_dlg.h"

#include "app/dialog_parts.h"

#include "lang/text_ids.h"
#include "pages/page.h"
#include "platform/text_format.h"
#include "platform/virtual_keys.h"
#include "skin/image_button.h"
#include "skin/notify_code.h"
#include "skin/skin_edit.h"
#include "skin/static_text.h"

namespace pelorin {
namespace {

constexpr Colour kTitleColour = 0xFFFFFF;
constexpr int kDialogBackground = 364;

}  // namespace

CProfileNameDlg::CProfileNameDlg(SkinContext& context, const LanguageTable& texts, int titleTextId,
                                 std::u16string initial, Notice notice)
    : CDlgBase(context, Size{static_cast<int>(kDesignSize.width * context.scale),
                             static_cast<int>(kDesignSize.height * context.scale)}),
      texts_(texts),
      titleTextId_(titleTextId),
      initial_(std::move(initial)),
      notice_(std::move(notice)) {}

std::u16string CProfileNameDlg::name() const {
  return edit_ != nullptr ? edit_->text() : std::u16string{};
}

void CProfileNameDlg::onInitDialog() {
  const SkinContext& skin = context();
  const WindowId self = windowId();
  auto title = std::make_unique<CStaticText>(
      skin, self, kTitle, scaledRect({20, 3, 400, 27}, skin.scale), texts_[titleTextId_],
      kTitleColour, text::kLeft | text::kSingleLine);
  title->setFont(skin.uiFont);
  addControl(0, std::move(title));
  auto exit =
      std::make_unique<CImageButton>(skin, self, kExit, scaledRect({405, 4, 420, 19}, skin.scale));
  exit->loadNormalImage("skins\\exit_nr.png");
  exit->loadOverImage("skins\\exit_ov.png");
  addControl(0, std::move(exit));
  auto edit =
      std::make_unique<CSkinEdit>(skin, self, kEdit, scaledRect({60, 45, 369, 75}, skin.scale));
  edit->setFont(skin.uiFont);
  edit->setCentred(true);
  edit->setText(initial_);
  edit_ = static_cast<CSkinEdit*>(addControl(0, std::move(edit)));
  addControl(0, makeTextButton(skin, self, kOk, {260, 110, 329, 130}, texts_[text_id::kOk]));
  addControl(
      0, makeTextButton(skin, self, kCancelButton, {350, 110, 419, 130}, texts_[text_id::kCancel]));
  loadBackground(kDialogBackground);
  setFocusControl(edit_);
}

std::intptr_t CProfileNameDlg::handleMessage(const Message& message) {
  if (message.lParam != notify::kClicked) return 0;
  if (message.id == kOk) tryConfirm();
  if (message.id == kCancelButton || message.id == kExit) endDialog(kCancel);
  return 0;
}

bool CProfileNameDlg::onDialogKey(const KeyEvent& key) {
  if (!key.down) return false;
  if (key.virtualKey == vk::kReturn) tryConfirm();
  return key.virtualKey == vk::kReturn || key.virtualKey == vk::kEscape;
}

void CProfileNameDlg::tryConfirm() {
  const std::u16string typed = name();
  if (typed.empty()) {
    if (notice_) notice_(text_id::kAttentionTitle, text_id::kEnterProfileName);
    return;
  }
  confirm(typed);
  endDialog(kConfirmed);
}

CAddProfileDlg::CAddProfileDlg(SkinContext& context, const LanguageTable& texts, Notice notice,
                               ProfileTable& profiles, AppConfig& config, int target)
    : CProfileNameDlg(context, texts, text_id::kAddProfile, {}, std::move(notice)),
      profiles_(profiles),
      config_(config),
      target_(target) {}

void CAddProfileDlg::confirm(const std::u16string& name) {
  ShowList list = config_.showList();
  ++list.count;
  config_.setShowList(list);
  profiles_.resetProfile(static_cast<std::size_t>(target_), texts());
  profiles_.record(static_cast<std::size_t>(target_))->pairs[0].value = name;
}

CEditProfileDlg::CEditProfileDlg(SkinContext& context, const LanguageTable& texts, Notice notice,
                                 ProfileRecord& target)
    : CProfileNameDlg(context, texts, text_id::kRenameProfile, target.pairValue(0),
                      std::move(notice)),
      target_(target) {}

void CEditProfileDlg::confirm(const std::u16string& name) {
  target_.pairs[0].value = name;
}

}  // namespace pelorin
