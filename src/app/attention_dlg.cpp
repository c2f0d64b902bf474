#include "app/attention_dlg.h"

#include <utility>

#include "pages/page.h"
#include "platform/text_format.h"
#include "skin/image_button.h"
#include "skin/notify_code.h"
#include "skin/static_text.h"

namespace pelorin {
namespace {

constexpr int kTitleId = 2012;
constexpr int kTextId = 2013;
constexpr Colour kTitleColour = 0xFFFFFF;
constexpr Colour kTextColour = 0xB4B4B4;
constexpr int kBackground = 151;

}  // namespace

CAttentionDlg::CAttentionDlg(SkinContext& context, std::u16string title, std::u16string text,
                             std::u16string ok)
    : CDlgBase(context, scaledSize(kDesignSize, context.scale)),
      title_(std::move(title)),
      text_(std::move(text)),
      ok_(std::move(ok)) {}

// An ordinary window rather than a modal one, so the main window stays usable beside it.
bool CAttentionDlg::showNotice(WindowId modalOwner) {
  const WindowKind kind = modalOwner != kNoWindow ? WindowKind::Modal : WindowKind::Main;
  if (!create(kind, modalOwner)) return false;
  window()->setKeepAbove(true);
  return true;
}

void CAttentionDlg::onDestroyed() {
  CDlgBase::onDestroyed();
  if (auto closed = std::exchange(closed_, nullptr)) closed();
}

void CAttentionDlg::onInitDialog() {
  const float scale = context().scale;
  const WindowId self = windowId();
  auto title =
      std::make_unique<CStaticText>(context(), self, kTitleId, scaledRect({21, 11, 175, 31}, scale),
                                    title_, kTitleColour, text::kLeft | text::kSingleLine);
  title->setFont(context().uiFont);
  addControl(0, std::move(title));
  auto body =
      std::make_unique<CStaticText>(context(), self, kTextId, scaledRect({0, 40, 319, 60}, scale),
                                    text_, kTextColour, text::kCenter | text::kWordBreak);
  body->setFont(context().uiFont);
  addControl(0, std::move(body));
  auto exit =
      std::make_unique<CImageButton>(context(), self, kExit, scaledRect({300, 4, 315, 19}, scale));
  exit->loadNormalImage("skins\\exit_nr.png");
  exit->loadOverImage("skins\\exit_ov.png");
  addControl(0, std::move(exit));
  auto ok =
      std::make_unique<CImageButton>(context(), self, kOk, scaledRect({240, 70, 309, 90}, scale));
  ok->loadNormalImage("skins\\button2_nr.png");
  ok->loadOverImage("skins\\button2_ov.png");
  ok->setFont(context().uiFont);
  ok->setText(ok_);
  addControl(0, std::move(ok));
  loadBackground(kBackground);
}

std::intptr_t CAttentionDlg::handleMessage(const Message& message) {
  if ((message.id == kOk || message.id == kExit) && message.lParam == notify::kClicked) {
    endDialog(1);
  }
  return 0;
}

}  // namespace pelorin
