#include "app/dialog_controls.h"

#include "pages/page.h"

namespace pelorin::dialog_controls {
namespace {
constexpr Colour kTitleColour = 0xFFFFFF;
constexpr Colour kLabelColour = 0xB4B4B4;
constexpr int kValueHeight = 12;
}  // namespace

Font valueFont(const SkinContext& skin, int designHeight) {
  Font font = skin.uiFont;
  font.face = u"Tahoma";
  font.pixelHeight = static_cast<int>(static_cast<float>(designHeight) * skin.scale);
  return font;
}

std::unique_ptr<CStaticText> title(const SkinContext& skin, WindowId parent, int id,
                                   const Rect& design, std::u16string text) {
  auto made = std::make_unique<CStaticText>(skin, parent, id, scaledRect(design, skin.scale),
                                            std::move(text), kTitleColour,
                                            text::kLeft | text::kVCenter | text::kSingleLine);
  made->setFont(skin.uiFont);
  return made;
}

std::unique_ptr<CStaticText> label(const SkinContext& skin, WindowId parent, int id,
                                   const Rect& design, std::u16string text, bool value) {
  auto made = std::make_unique<CStaticText>(skin, parent, id, scaledRect(design, skin.scale),
                                            std::move(text), kLabelColour,
                                            text::kLeft | text::kVCenter | text::kWordBreak);
  made->setFont(value ? valueFont(skin, kValueHeight) : skin.uiFont);
  return made;
}

std::unique_ptr<CImageButton> exitButton(const SkinContext& skin, WindowId parent, int id,
                                         const Rect& design) {
  auto made = std::make_unique<CImageButton>(skin, parent, id, scaledRect(design, skin.scale));
  made->loadNormalImage("skins\\exit_nr.png");
  made->loadOverImage("skins\\exit_ov.png");
  return made;
}

std::unique_ptr<CImageButton> textButton(const SkinContext& skin, WindowId parent, int id,
                                         const Rect& design, std::u16string caption) {
  auto made = std::make_unique<CImageButton>(skin, parent, id, scaledRect(design, skin.scale));
  made->loadNormalImage("skins\\button2_nr.png");
  made->loadOverImage("skins\\button2_ov.png");
  made->setFont(skin.uiFont);
  made->setText(std::move(caption));
  return made;
}

std::unique_ptr<CCheckButton> checkBox(const SkinContext& skin, WindowId parent, int id,
                                       const Rect& design) {
  auto made = std::make_unique<CCheckButton>(skin, parent, id, scaledRect(design, skin.scale));
  made->loadNormalImage("skins\\check_nr.png");
  made->loadOverImage("skins\\check_ov.png");
  made->loadDownImage("skins\\check_dn.png");
  return made;
}

}  // namespace pelorin::dialog_controls
