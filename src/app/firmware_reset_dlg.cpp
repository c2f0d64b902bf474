#include "app/firmware_reset_dlg.h"

#include "app/dialog_parts.h"

#include "lang/text_ids.h"
#include "pages/page.h"
#include "platform/text_format.h"
#include "platform/virtual_keys.h"
#include "skin/image_button.h"
#include "skin/notify_code.h"
#include "skin/static_text.h"

namespace pelorin {
namespace {

constexpr int kWarningId = 3001;
constexpr Colour kWarningColour = 0xB4B4B4;
constexpr int kBackground = 151;

}  // namespace

CFirmwareResetDlg::CFirmwareResetDlg(SkinContext& context, const LanguageTable& texts)
    : CDlgBase(context, scaledSize(kDesignSize, context.scale)), texts_(texts) {}

void CFirmwareResetDlg::onInitDialog() {
  const float scale = context().scale;
  const WindowId self = windowId();
  auto exit =
      std::make_unique<CImageButton>(context(), self, kExit, scaledRect({405, 4, 420, 19}, scale));
  exit->loadNormalImage("skins\\exit_nr.png");
  exit->loadOverImage("skins\\exit_ov.png");
  addControl(0, std::move(exit));
  auto warning = std::make_unique<CStaticText>(
      context(), self, kWarningId, scaledRect({0, 60, 429, 108}, scale),
      texts_[text_id::kFactoryResetQuestion], kWarningColour, text::kCenter | text::kWordBreak);
  warning->setFont(context().uiFont);
  addControl(0, std::move(warning));
  addControl(0, makeTextButton(context(), self, kOk, {260, 110, 329, 130}, texts_[text_id::kOk]));
  addControl(0, makeTextButton(context(), self, kCancelButton, {350, 110, 419, 130},
                               texts_[text_id::kCancel]));
  loadBackground(kBackground);
}

std::intptr_t CFirmwareResetDlg::handleMessage(const Message& message) {
  if (message.lParam != notify::kClicked) return 0;
  if (message.id == kOk) endDialog(kConfirmed);
  if (message.id == kCancelButton || message.id == kExit) endDialog(kCancel);
  return 0;
}

bool CFirmwareResetDlg::onDialogKey(const KeyEvent& key) {
  if (!key.down) return false;
  if (key.virtualKey == vk::kReturn) endDialog(kConfirmed);
  return key.virtualKey == vk::kReturn || key.virtualKey == vk::kEscape;
}

}  // namespace pelorin
