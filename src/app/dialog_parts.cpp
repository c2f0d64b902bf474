#include "app/dialog_parts.h"

#include "pages/page.h"
#include "platform/text_format.h"

namespace pelorin {
namespace {

constexpr Colour kLabelColour = 0xFFFFFF;
constexpr int kValueFontHeight = 14;

}  // namespace

std::unique_ptr<CImageButton> makeTextButton(const SkinContext& context, WindowId parent, int id,
                                             const Rect& design, std::u16string caption) {
  auto made =
      std::make_unique<CImageButton>(context, parent, id, scaledRect(design, context.scale));
  made->loadNormalImage("skins\\button2_nr.png");
  made->loadOverImage("skins\\button2_ov.png");
  made->setFont(context.uiFont);
  made->setText(std::move(caption));
  return made;
}

std::unique_ptr<CImageButton> makeExitButton(const SkinContext& context, WindowId parent, int id,
                                             const Rect& design) {
  auto made =
      std::make_unique<CImageButton>(context, parent, id, scaledRect(design, context.scale));
  made->loadNormalImage("skins\\exit_nr.png");
  made->loadOverImage("skins\\exit_ov.png");
  return made;
}

std::unique_ptr<CStaticText> makeLabel(const SkinContext& context, WindowId parent, int id,
                                       const Rect& design, std::u16string text, unsigned flags,
                                       bool value) {
  auto label = std::make_unique<CStaticText>(context, parent, id, scaledRect(design, context.scale),
                                             std::move(text), kLabelColour,
                                             flags | text::kVCenter | text::kSingleLine);
  Font font = context.uiFont;
  if (value) {
    font.face = u"Tahoma";
    font.pixelHeight = static_cast<int>(static_cast<float>(kValueFontHeight) * context.scale);
  }
  label->setFont(std::move(font));
  return label;
}

std::unique_ptr<CCheckButton> makeCheckBox(const SkinContext& context, WindowId parent, int id,
                                           const Rect& design) {
  auto made =
      std::make_unique<CCheckButton>(context, parent, id, scaledRect(design, context.scale));
  made->loadNormalImage("skins\\check_nr.png");
  made->loadOverImage("skins\\check_ov.png");
  made->loadDownImage("skins\\check_dn.png");
  return made;
}

}  // namespace pelorin
