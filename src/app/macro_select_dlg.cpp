#include "app/macro_select_dlg.h"

#include "lang/text_ids.h"
#include "pages/page.h"
#include "platform/text_format.h"
#include "platform/virtual_keys.h"
#include "skin/image_button.h"
#include "skin/notify_code.h"
#include "skin/static_text.h"

namespace pelorin {
namespace {

constexpr Colour kCaptionColour = 0xFFFFFF;

}  // namespace

CMacroSelectDlg::CMacroSelectDlg(SkinContext& context, const LanguageTable& texts,
                                 MacroStore& store, WindowId parent, MacroMessage message)
    : CDlgBase(context, scaledSize(kDesignSize, context.scale)),
      texts_(texts),
      store_(store),
      parent_(parent),
      message_(std::move(message)) {}

void CMacroSelectDlg::onInitDialog() {
  const SkinContext& skin = context();
  const WindowId self = windowId();
  store_.library.collapseAll();
  store_.selection = LibraryLocation{};
  auto caption = std::make_unique<CStaticText>(
      skin, self, kCaption, scaledRect({24, 35, 124, 52}, skin.scale), texts_[text_id::kMacros],
      kCaptionColour, text::kLeft | text::kVCenter | text::kSingleLine);
  caption->setFont(skin.uiFont);
  addControl(0, std::move(caption));
  pane_.create(*this, skin, store_);
  auto exit =
      std::make_unique<CImageButton>(skin, self, kExit, scaledRect({505, 3, 520, 18}, skin.scale));
  exit->loadNormalImage("skins\\exit_nr.png");
  exit->loadOverImage("skins\\exit_ov.png");
  addControl(0, std::move(exit));
  auto ok =
      std::make_unique<CImageButton>(skin, self, kOk, scaledRect({367, 333, 432, 356}, skin.scale));
  ok->loadNormalImage("skins\\button2_nr.png");
  ok->loadOverImage("skins\\button2_ov.png");
  ok->setFont(skin.uiFont);
  ok->setText(texts_[text_id::kMacroOk]);
  addControl(0, std::move(ok));
  loadBackground("skins\\Frame_Macro_Manager.bmp");
}

void CMacroSelectDlg::choose(std::intptr_t wParam) {
  const LibraryItem* item = store_.library.itemAt(store_.selection);
  if (item == nullptr || !item->isMacro()) {
    if (message_) message_(text_id::kSelectAMacro, false);
    return;
  }
  context().host.send(parent_, Message{kMacroChosen, wParam, 0, {}});
  endDialog(kChosen);
}

std::intptr_t CMacroSelectDlg::handleMessage(const Message& message) {
  if (pane_.onScroll(message)) return 0;
  const auto code = static_cast<int>(message.lParam);
  switch (message.id) {
    case kOk:
      if (code == notify::kClicked) choose(message.wParam);
      break;
    case kExit:
      if (code == notify::kClicked) endDialog(kCancel);
      break;
    case MacroTreePane::kTreeId:
      if (code == notify::kClicked || code == notify::kRightClick || code == notify::kDoubleClick) {
        pane_.updateBar();
        if (Window* w = window()) w->invalidate(Rect{0, 0, size().width, size().height});
      }
      break;
    default:
      break;
  }
  return 0;
}

void CMacroSelectDlg::onMouse(const MouseEvent& event) {
  if (event.action == MouseAction::Wheel && pane_.onWheel(event.x, event.y, event.wheelDelta)) {
    return;
  }
  CDlgBase::onMouse(event);
}

bool CMacroSelectDlg::onDialogKey(const KeyEvent& key) {
  return key.virtualKey == vk::kReturn || key.virtualKey == vk::kEscape;
}

}  // namespace pelorin
