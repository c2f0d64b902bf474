#include "app/dpi_value_setting_dlg.h"

#include <algorithm>

#include "app/dialog_parts.h"
#include "keys/decimal_text.h"
#include "lang/text_ids.h"
#include "pages/page.h"
#include "platform/text_format.h"
#include "platform/virtual_keys.h"
#include "skin/dpi_value_show_control.h"
#include "skin/notify_code.h"
#include "skin/skin_edit.h"
#include "skin/slider_control.h"
#include "skin/static_image.h"

namespace pelorin {
namespace {

constexpr const char* kBackground = "skins\\Frame_DPI.bmp";
constexpr std::size_t kDigits = 6;

}  // namespace

CDPIValueSettingDlg::CDPIValueSettingDlg(SkinContext& context, const LanguageTable& texts,
                                         CDPIValueShowControl& display, const DpiStepTable& steps)
    : CDlgBase(context, scaledSize(kDesignSize, context.scale)),
      texts_(texts),
      display_(display),
      steps_(steps),
      step_(display.stepIndex()) {}

void CDPIValueSettingDlg::onInitDialog() {
  const SkinContext& skin = context();
  const WindowId self = windowId();
  const auto dpiText = [this](int step) { return decimalText(steps_.dpiOfStep(step).value_or(0)); };
  addControl(
      0, makeLabel(skin, self, kTitle, {20, 3, 230, 27}, texts_[text_id::kSetDpi], text::kLeft));
  addControl(0, makeExitButton(skin, self, kExit, {405, 4, 420, 19}));
  auto edit =
      std::make_unique<CSkinEdit>(skin, self, kEdit, scaledRect({165, 35, 265, 57}, skin.scale));
  Font tahoma = skin.uiFont;
  tahoma.face = u"Tahoma";
  edit->setFont(tahoma);
  edit->setDigitsOnly(true);
  edit->setLimit(kDigits);
  edit->setCentred(true);
  edit_ = static_cast<CSkinEdit*>(addControl(0, std::move(edit)));
  addControl(0, makeLabel(skin, self, kLowest, {0, 68, 60, 86}, dpiText(0), text::kCenter, true));
  addControl(0, makeLabel(skin, self, kHighest, {365, 68, 425, 86}, dpiText(lastStep()),
                          text::kCenter, true));
  addControl(
      0, std::make_unique<CStaticImage>(skin, self, kBar, scaledRect({69, 72, 359, 75}, skin.scale),
                                        "skins\\Slider_bar.png"));
  auto slider = std::make_unique<CSliderControl>(skin, self, kSlider,
                                                 scaledRect({69, 67, 359, 80}, skin.scale));
  slider->loadThumb("skins\\Slider_Circle.png");
  slider->setStopCount(std::max(1, steps_.stepCount()));
  slider_ = static_cast<CSliderControl*>(addControl(0, std::move(slider)));
  addControl(0, makeLabel(skin, self, kCurrent, {0, 90, 429, 108}, {}, text::kCenter, true));
  addControl(
      0, makeTextButton(skin, self, kCancelButton, {270, 110, 339, 130}, texts_[text_id::kCancel]));
  addControl(0, makeTextButton(skin, self, kOk, {350, 110, 419, 130}, texts_[text_id::kOk]));
  loadBackground(kBackground);
  show(step_);
  setFocusControl(edit_);
}

void CDPIValueSettingDlg::show(int step) {
  step_ = std::clamp(step, 0, std::max(0, lastStep()));
  if (slider_->position() != step_) slider_->setPosition(step_);
  const std::u16string dpi = decimalText(steps_.dpiOfStep(step_).value_or(0));
  findControl(kCurrent)->setText(dpi);
  edit_->setText(dpi);
  // Typing replaces the shown value.
  edit_->select(0, dpi.size());
}

void CDPIValueSettingDlg::commitTyped() {
  show(steps_.stepAtLeast(leadingInt(edit_->text())));
}

std::intptr_t CDPIValueSettingDlg::handleMessage(const Message& message) {
  const int code = static_cast<int>(message.lParam);
  if (message.id == kSlider) {
    show(code == notify::kDragged ? static_cast<int>(message.wParam) : slider_->position());
  } else if (code != notify::kClicked) {
  } else if (message.id == kOk) {
    commitTyped();
    display_.setStepIndex(step_);
    endDialog(kConfirmed);
  } else if (message.id == kCancelButton || message.id == kExit) {
    endDialog(kCancel);
  }
  return 0;
}

// The arrows step the resolution even while the field has the focus.
void CDPIValueSettingDlg::onKey(const KeyEvent& key) {
  if (key.virtualKey == vk::kLeft || key.virtualKey == vk::kRight) {
    if (key.down) show(step_ + (key.virtualKey == vk::kRight ? 1 : -1));
    return;
  }
  CDlgBase::onKey(key);
}

bool CDPIValueSettingDlg::onDialogKey(const KeyEvent& key) {
  if (!key.down) return false;
  if (key.virtualKey == vk::kReturn) commitTyped();
  return key.virtualKey == vk::kReturn || key.virtualKey == vk::kEscape;
}

}  // namespace pelorin
