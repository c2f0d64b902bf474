#include "app/fire_key_dlg.h"

#include <chrono>

#include "app/button_messages.h"
#include "app/dialog_parts.h"
#include "keys/decimal_text.h"
#include "lang/text_ids.h"
#include "pages/page.h"
#include "platform/text_format.h"
#include "platform/virtual_keys.h"
#include "profile/captions.h"
#include "skin/notify_code.h"
#include "skin/skin_edit.h"

namespace pelorin {
namespace {

constexpr std::array<Rect, 2> kFieldRects = {Rect{70, 50, 168, 72}, Rect{250, 50, 348, 72}};
constexpr std::array<Rect, 2> kCaptionRects = {Rect{70, 30, 280, 48}, Rect{250, 30, 420, 48}};
constexpr std::array<int, 2> kCaptions = {text_id::kFireInterval, text_id::kFireCount};
constexpr std::array<int, 2> kTooLarge = {text_id::kFireIntervalRange, text_id::kFireCountRange};
constexpr std::array<std::u16string_view, 2> kDefaults = {u"50", u"0"};

}  // namespace

CFireKeyDlg::CFireKeyDlg(SkinContext& context, const LanguageTable& texts, Notice notice,
                         WindowId owner, int combo)
    : CDlgBase(context, Size{static_cast<int>(kDesignSize.width * context.scale),
                             static_cast<int>(kDesignSize.height * context.scale)}),
      texts_(texts),
      notice_(std::move(notice)),
      owner_(owner),
      combo_(combo) {}

void CFireKeyDlg::onInitDialog() {
  const SkinContext& skin = context();
  const WindowId self = windowId();
  addControl(
      0, makeLabel(skin, self, kTitle, {20, 3, 230, 27}, texts_[text_id::kFireKey], text::kLeft));
  addControl(0, makeExitButton(skin, self, kExit, {405, 4, 420, 19}));
  for (std::size_t k = 0; k < fields_.size(); ++k) {
    addControl(0,
               makeLabel(skin, self, kTitle, kCaptionRects[k], texts_[kCaptions[k]], text::kLeft));
    auto edit =
        std::make_unique<CSkinEdit>(skin, self, kField, scaledRect(kFieldRects[k], skin.scale));
    Font face = skin.uiFont;
    face.face = u"Tahoma";
    edit->setFont(face);
    edit->setCentred(true);
    edit->setText(std::u16string(kDefaults[k]));
    fields_[k] = static_cast<CSkinEdit*>(addControl(0, std::move(edit)));
  }
  addControl(0, makeLabel(skin, self, kTitle, {70, 75, 420, 111}, texts_[text_id::kFireRanges],
                          text::kLeft));
  // Beside OK rather than over the ranges text.
  addControl(
      0, makeTextButton(skin, self, kCancelButton, {260, 110, 329, 130}, texts_[text_id::kCancel]));
  addControl(0, makeTextButton(skin, self, kOk, {350, 110, 419, 130}, texts_[text_id::kOk]));
  loadBackground("skins\\Frame_common.bmp");
  setFocusControl(fields_[0]);
  window()->setTimer(kCheckTimer, std::chrono::milliseconds(100));
}

void CFireKeyDlg::onTimer(int id) {
  if (id != kCheckTimer) return;
  for (std::size_t k = 0; k < fields_.size(); ++k) {
    if (leadingDecimal(fields_[k]->text()) <= kFieldMaximum) continue;
    fields_[k]->setText(decimalText(kFieldMaximum));
    if (notice_) notice_(text_id::kAttentionTitle, kTooLarge[k]);
  }
}

// The character still goes in; the warning only tells the user what the field reads.
void CFireKeyDlg::onText(std::u16string_view text) {
  for (char16_t c : text) {
    if ((c < u'0' || c > u'9') && c != u'\b' && notice_) {
      notice_(text_id::kAttentionTitle, text_id::kNumbersOnly);
    }
  }
  CDlgBase::onText(text);
}

std::intptr_t CFireKeyDlg::handleMessage(const Message& message) {
  if (message.lParam != notify::kClicked) return 0;
  if (message.id == kOk) confirm();
  if (message.id == kCancelButton || message.id == kExit) close(kCancel);
  return 0;
}

bool CFireKeyDlg::onDialogKey(const KeyEvent& key) {
  return key.virtualKey == vk::kReturn || key.virtualKey == vk::kEscape;
}

void CFireKeyDlg::confirm() {
  const auto first =
      static_cast<int>(std::min<std::int64_t>(leadingDecimal(fields_[0]->text()), kFieldMaximum));
  const auto second =
      static_cast<int>(std::min<std::int64_t>(leadingDecimal(fields_[1]->text()), kFieldMaximum));
  const auto record = fireKeySelection(first, second, texts_);
  if (!record) {
    if (notice_) notice_(text_id::kAttentionTitle, kFireKeyRefusedText);
    return;
  }
  context().host.send(
      owner_,
      Message{button_msg::kFireKeyChosen, combo_, reinterpret_cast<std::intptr_t>(&*record), {}});
  close(1);
}

void CFireKeyDlg::close(int result) {
  if (Window* w = window()) w->killTimer(kCheckTimer);
  releaseAll();
  endDialog(result);
}

}  // namespace pelorin
