#include "app/macro_value_dlg.h"

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
constexpr Colour kFieldColour = 0xFFFFFF;
constexpr Colour kValueColour = 0x000000;
constexpr Rect kValueArea{13, 41, 304, 61};

}  // namespace

CMacroValueDlg::CMacroValueDlg(SkinContext& context, const LanguageTable& texts,
                               std::u16string title)
    : CDlgBase(context, scaledSize(kDesignSize, context.scale)),
      texts_(texts),
      title_(std::move(title)) {}

void CMacroValueDlg::onInitDialog() {
  const SkinContext& skin = context();
  const WindowId self = windowId();
  auto title =
      std::make_unique<CStaticText>(skin, self, kTitle, scaledRect({12, 4, 290, 26}, skin.scale),
                                    title_, kTitleColour, text::kLeft | text::kSingleLine);
  title->setFont(skin.uiFont);
  addControl(0, std::move(title));
  auto exit =
      std::make_unique<CImageButton>(skin, self, kExit, scaledRect({298, 4, 313, 19}, skin.scale));
  exit->loadNormalImage("skins\\exit_nr.png");
  exit->loadOverImage("skins\\exit_ov.png");
  addControl(0, std::move(exit));
  addControl(0, makeTextButton(skin, self, kOk, {166, 70, 231, 93}, texts_[text_id::kOk]));
  addControl(
      0, makeTextButton(skin, self, kCancelButton, {241, 70, 306, 93}, texts_[text_id::kCancel]));
  loadBackground("skins\\Frame_warning.bmp");
}

void CMacroValueDlg::drawBackground(Canvas& canvas, const Rect& client) {
  CDlgBase::drawBackground(canvas, client);
  canvas.fillRect(scaledRect(kField, context().scale), kFieldColour);
}

std::intptr_t CMacroValueDlg::handleMessage(const Message& message) {
  const bool click = message.lParam == notify::kClicked;
  if (click && message.id == kOk) {
    confirm();
  } else if (click && (message.id == kCancelButton || message.id == kExit)) {
    cancel();
  } else {
    return handleOther(message);
  }
  return 0;
}

bool CMacroValueDlg::onDialogKey(const KeyEvent& key) {
  if (!key.down) return false;
  if (key.virtualKey == vk::kReturn) confirm();
  return key.virtualKey == vk::kReturn || key.virtualKey == vk::kEscape;
}

CSkinEdit* CMacroValueDlg::addEdit(std::u16string text) {
  auto edit = std::make_unique<CSkinEdit>(context(), windowId(), kEdit,
                                          scaledRect(kValueArea, context().scale));
  edit->setFont(context().uiFont);
  edit->setCentred(true);
  edit->setColours(kValueColour, kFieldColour);
  edit->setText(std::move(text));
  auto* added = static_cast<CSkinEdit*>(addControl(0, std::move(edit)));
  setFocusControl(added);
  return added;
}

CStaticText* CMacroValueDlg::addValueText(std::u16string text) {
  auto value = std::make_unique<CStaticText>(
      context(), windowId(), kValue, scaledRect(kValueArea, context().scale), std::move(text),
      kValueColour, text::kCenter | text::kVCenter | text::kSingleLine);
  value->setFont(context().uiFont);
  return static_cast<CStaticText*>(addControl(0, std::move(value)));
}

}  // namespace pelorin
