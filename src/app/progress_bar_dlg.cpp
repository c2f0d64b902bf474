#include "app/progress_bar_dlg.h"

#include <algorithm>
#include <chrono>

#include "pages/page.h"
#include "platform/text_format.h"
#include "skin/skin_images.h"
#include "skin/static_text.h"

namespace pelorin {
namespace {

constexpr int kCaptionId = 2012;
constexpr Colour kCaptionColour = 0xBEBEBE;
constexpr int kCaptionHeight = 18;
constexpr std::chrono::milliseconds kStepPeriod{10};
constexpr std::chrono::milliseconds kClosePause{20};
// The bar's strip of the frame, design pixels.
constexpr int kBarTop = 66;
constexpr int kBarHeight = 12;

}  // namespace

CProgressBarDlg::CProgressBarDlg(SkinContext& context, std::u16string caption)
    : CDlgBase(context, scaledSize(kDesignSize, context.scale)), caption_(std::move(caption)) {}

// The bar advances on the window's own timer: everything shown stays on the window thread.
void CProgressBarDlg::onInitDialog() {
  const float scale = context().scale;
  // The caption may run across the whole title strip: the faces that stand in for the narrow
  // Windows fonts need more than the first third of it for "Applying settings...".
  auto caption = std::make_unique<CStaticText>(context(), windowId(), kCaptionId,
                                               scaledRect({10, 3, 419, 23}, scale), caption_,
                                               kCaptionColour, text::kLeft | text::kSingleLine);
  Font font = context().uiFont;
  font.pixelHeight = static_cast<int>(static_cast<float>(kCaptionHeight) * scale);
  caption->setFont(font);
  addControl(0, std::move(caption));
  loadBackground("skins\\Frame_progress_nr.bmp");
  fill_ = loadSkinImage(context(), "skins\\Frame_progress_ov.bmp");
  window()->setTimer(kStepTimer, kStepPeriod);
}

void CProgressBarDlg::onTimer(int id) {
  Window* w = window();
  if (w == nullptr) return;
  if (id == kCloseTimer) {
    w->killTimer(kCloseTimer);
    endDialog(1);
    return;
  }
  if (id != kStepTimer) return;
  progress_ = std::min(100, progress_ + kStepPercent);
  invalidate(scaledRect({0, kBarTop, kDesignSize.width, kBarTop + kBarHeight}, context().scale));
  if (progress_ < 100) return;
  w->killTimer(kStepTimer);
  w->setTimer(kCloseTimer, kClosePause);
}

void CProgressBarDlg::drawControls(Canvas& canvas, const Rect& clip) {
  if (fill_ != nullptr && progress_ > 0) {
    const int designWidth = kDesignSize.width * progress_ / 100;
    // The fill picture has the frame's size, so its bar lies at the same design place.
    const int sourceWidth = fill_->width() * progress_ / 100;
    const double ratio = static_cast<double>(fill_->height()) / kDesignSize.height;
    const int sourceTop = static_cast<int>(kBarTop * ratio);
    const int sourceBottom = static_cast<int>((kBarTop + kBarHeight) * ratio);
    canvas.drawImage(*fill_,
                     scaledRect({0, kBarTop, designWidth, kBarTop + kBarHeight}, context().scale),
                     Rect{0, sourceTop, sourceWidth, sourceBottom});
  }
  CDlgBase::drawControls(canvas, clip);
}

}  // namespace pelorin
