#include "app/color_palette_dlg.h"

#include "app/dialog_parts.h"
#include "keys/decimal_text.h"
#include "lang/text_ids.h"
#include "pages/page.h"
#include "platform/text_format.h"
#include "platform/virtual_keys.h"
#include "skin/notify_code.h"

namespace pelorin {

CColorPaletteDlg::CColorPaletteDlg(SkinContext& context, const LanguageTable& texts,
                                   ProfileRecord& profile, const ColourTarget& target)
    : CDlgBase(context, scaledSize(kDesignSize, context.scale)),
      texts_(texts),
      profile_(profile),
      target_(target) {
  if (const ColourRef* start = this->target()) colour_ = *start;
}

ColourRef* CColorPaletteDlg::target() const {
  const auto index = static_cast<std::size_t>(target_.index);
  const auto mode = static_cast<std::size_t>(target_.mode);
  if (target_.index < 0) return nullptr;
  if (target_.kind == ColourTarget::Kind::DpiLevel) {
    return index < kDpiLevelCount ? &profile_.DPILevelIndication[index] : nullptr;
  }
  if (target_.mode < 0 || mode >= kLightingModeCount || index >= kLightingColourSlots) {
    return nullptr;
  }
  return &profile_.Lighting1FixedColor[mode][index];
}

void CColorPaletteDlg::onInitDialog() {
  const SkinContext& skin = context();
  const WindowId self = windowId();
  addControl(0, makeExitButton(skin, self, kExit, {480, 6, 495, 21}));
  addControl(0, makeTextButton(skin, self, kOk, {391, 234, 460, 254}, texts_[text_id::kOk]));
  addControl(0, makeLabel(skin, self, kRed, {320, 212, 373, 230}, {}, text::kLeft, true));
  addControl(0, makeLabel(skin, self, kGreen, {320, 235, 373, 253}, {}, text::kLeft, true));
  addControl(0, makeLabel(skin, self, kBlue, {320, 258, 373, 276}, {}, text::kLeft, true));
  loadBackground(kPictureResource);
  showValues();
}

void CColorPaletteDlg::drawBackground(Canvas& canvas, const Rect& client) {
  CDlgBase::drawBackground(canvas, client);
  canvas.fillRect(scaledRect(kPreview, context().scale), colour_);
}

bool CColorPaletteDlg::inPickArea(int x, int y) const {
  const float scale = context().scale;
  return scaledRect(kPickLeft, scale).contains(x, y) ||
         scaledRect(kPickRight, scale).contains(x, y);
}

// A press on the colour fields picks what the window shows there; elsewhere the dialog behaves
// as every dialog does (its background moves it).
void CColorPaletteDlg::onMouse(const MouseEvent& event) {
  Window* w = window();
  if (event.action != MouseAction::LeftDown || w == nullptr || !inPickArea(event.x, event.y)) {
    CDlgBase::onMouse(event);
    return;
  }
  const Colour picked = w->pixel(event.x, event.y) & 0xFFFFFF;
  if (picked == kGround) return;
  colour_ = picked;
  showValues();
  w->invalidateAll();
}

void CColorPaletteDlg::showValues() {
  findControl(kRed)->setText(decimalText(redOf(colour_)));
  findControl(kGreen)->setText(decimalText(greenOf(colour_)));
  findControl(kBlue)->setText(decimalText(blueOf(colour_)));
}

void CColorPaletteDlg::confirm() {
  if (ColourRef* colour = target()) *colour = colour_;
  endDialog(kConfirmed);
}

std::intptr_t CColorPaletteDlg::handleMessage(const Message& message) {
  if (message.lParam != notify::kClicked) return 0;
  if (message.id == kOk) confirm();
  if (message.id == kExit) endDialog(kCancel);
  return 0;
}

bool CColorPaletteDlg::onDialogKey(const KeyEvent& key) {
  if (!key.down || key.virtualKey != vk::kReturn) return false;
  confirm();
  return true;
}

}  // namespace pelorin
