// Turns a creation table row into its skinned control.
#include <string>

#include "pages/page.h"
#include "pages/profile_slot_button.h"
#include "platform/text_format.h"
#include "skin/battery.h"
#include "skin/check_button.h"
#include "skin/color_select_button.h"
#include "skin/color_select_check_button.h"
#include "skin/combo_button.h"
#include "skin/dpi_radio_button.h"
#include "skin/dpi_value_show_control.h"
#include "skin/image_button.h"
#include "skin/link_button.h"
#include "skin/power_manage_button.h"
#include "skin/radio_button.h"
#include "skin/static_image.h"
#include "skin/static_text.h"
#include "skin/vertical_slider_control.h"

namespace pelorin {
namespace {

constexpr int kCaptionMargin = 12;
constexpr int kValueFontHeight = 12;
constexpr int kLinkFontHeight = 18;
constexpr int kFirstPowerValue = 3;

Font valueFont(const SkinContext& skin, int designHeight) {
  Font font = skin.uiFont;
  font.face = u"Tahoma";
  font.pixelHeight = static_cast<int>(static_cast<float>(designHeight) * skin.scale);
  return font;
}

std::u16string captionOf(const ControlRow& row, const LanguageTable& texts) {
  std::u16string caption = row.textId != 0 ? texts[row.textId] : std::u16string{};
  caption += row.text;
  return caption;
}

template <typename Button>
void loadLooks(Button& button, const ControlRow& row) {
  if (row.images[0] != nullptr) button.loadNormalImage(row.images[0]);
  if (row.images[1] != nullptr) button.loadOverImage(row.images[1]);
  if (row.images[2] != nullptr) button.loadDownImage(row.images[2]);
}

std::unique_ptr<CControlBase> makeButton(const ControlRow& row, PageEnv& env, const Rect& rect) {
  const SkinContext& skin = env.skin;
  switch (row.kind) {
    case ControlKind::Button:
      return std::make_unique<CImageButton>(skin, env.parent, row.id, rect);
    case ControlKind::Check:
      return std::make_unique<CCheckButton>(skin, env.parent, row.id, rect);
    case ControlKind::Header:
      return std::make_unique<CCheckButton>(
          skin, env.parent, row.id, rect,
          CaptionStyle{text::kLeft, static_cast<int>(kCaptionMargin * skin.scale), 0});
    case ControlKind::Combo:
      return std::make_unique<CComboButton>(
          skin, env.parent, row.id, rect, row.message,
          CaptionStyle{text::kLeft, static_cast<int>(kCaptionMargin * skin.scale), 0});
    case ControlKind::Radio:
      return std::make_unique<CRadioButton>(skin, env.parent, row.id, rect, env.options);
    case ControlKind::ColourButton:
      return std::make_unique<CColorSelectButton>(skin, env.parent, row.id, rect);
    case ControlKind::ColourSlot:
      return std::make_unique<CColorSelectCheckButton>(skin, env.parent, row.id, rect);
    case ControlKind::DpiCaption:
      return std::make_unique<CDPIRadioButton>(skin, env.parent, row.id, rect, env.levels);
    case ControlKind::Link:
      return std::make_unique<CLinkButton>(skin, env.parent, rect);
    case ControlKind::Caption: {
      auto caption = std::make_unique<CSkinButton>(
          skin, env.parent, row.id, rect,
          CaptionStyle{text::kLeft, static_cast<int>(kCaptionMargin * skin.scale), 0});
      caption->setDisabled(true);
      return caption;
    }
    case ControlKind::ProfileSlot: {
      auto slot = std::make_unique<CProfileSlotButton>(skin, env.parent, row.id, rect);
      if (row.images[2] != nullptr && row.images[3] != nullptr) {
        slot->loadCurrentImages(row.images[2], row.images[3]);
      }
      return slot;
    }
    default:
      return nullptr;
  }
}

std::unique_ptr<CControlBase> makePowerDial(const ControlRow&, PageEnv& env, const Rect& rect) {
  auto dial = std::make_unique<CPowerManageButton>(env.skin, env.parent, rect);
  for (int value = kFirstPowerValue; value <= CPowerManageButton::kMaxValue; ++value) {
    dial->loadValueImage(value, "skins\\power_manage_" + std::to_string(value) + "min.png");
  }
  return dial;
}

std::unique_ptr<CControlBase> makeOther(const ControlRow& row, PageEnv& env, const Rect& rect) {
  const SkinContext& skin = env.skin;
  switch (row.kind) {
    case ControlKind::Picture:
      return std::make_unique<CStaticImage>(skin, env.parent, row.id, rect,
                                            row.images[0] != nullptr ? row.images[0] : "");
    case ControlKind::Label:
    case ControlKind::Value: {
      auto label = std::make_unique<CStaticText>(
          skin, env.parent, row.id, rect, captionOf(row, env.texts), row.colour,
          (row.kind == ControlKind::Value ? text::kCenter : text::kLeft) | text::kVCenter |
              text::kSingleLine | text::kEndEllipsis);
      label->setFont(row.kind == ControlKind::Value ? valueFont(skin, kValueFontHeight)
                                                    : skin.uiFont);
      return label;
    }
    case ControlKind::Slider: {
      auto slider = std::make_unique<CSliderControl>(skin, env.parent, row.id, rect);
      if (row.images[0] != nullptr) slider->loadThumb(row.images[0]);
      return slider;
    }
    case ControlKind::LevelBar: {
      auto bar = std::make_unique<CVerticalSliderControl>(skin, env.parent, row.id, rect);
      if (row.images[0] != nullptr && row.images[1] != nullptr) {
        bar->loadBar(row.images[0], row.images[1]);
      }
      return bar;
    }
    case ControlKind::LevelValue: {
      auto value = std::make_unique<CDPIValueShowControl>(skin, env.parent, row.id, rect);
      if (row.images[0] != nullptr && row.images[1] != nullptr) {
        value->loadBar(row.images[0], row.images[1]);
      }
      return value;
    }
    case ControlKind::PowerDial:
      return makePowerDial(row, env, rect);
    case ControlKind::Battery:
      return std::make_unique<CBattery>(skin, env.parent, rect);
    default:
      return nullptr;
  }
}

}  // namespace

std::unique_ptr<CControlBase> createControl(const ControlRow& row, PageEnv& env) {
  const Rect rect = scaledRect(row.rect, env.skin.scale);
  std::unique_ptr<CControlBase> control = makeButton(row, env, rect);
  if (!control) return makeOther(row, env, rect);
  control->setFont(row.kind == ControlKind::DpiCaption ? valueFont(env.skin, 9)
                   : row.kind == ControlKind::Link     ? valueFont(env.skin, kLinkFontHeight)
                                                       : env.skin.uiFont);
  if (auto* button = dynamic_cast<CSkinButton*>(control.get())) loadLooks(*button, row);
  const std::u16string caption = captionOf(row, env.texts);
  if (!caption.empty()) control->setText(caption);
  return control;
}

}  // namespace pelorin
