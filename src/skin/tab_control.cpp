#include "skin/tab_control.h"

#include "platform/text_format.h"
#include "skin/notify_code.h"
#include "skin/skin_images.h"

namespace pelorin {

namespace {
constexpr Colour kCaptionNormal = 0xB4B4B4;
constexpr Colour kCaptionOver = 0xFFFFFF;
constexpr Colour kCaptionSelected = 0x00FFFF;
}  // namespace

CTabControl::CTabControl(const SkinContext& context, WindowId parent, int id, const Rect& rect,
                         TabSelection& tabs)
    : CControlBase(context, parent, id, rect), tabs_(tabs) {}

void CTabControl::loadImages(std::string_view normal, std::string_view over,
                             std::string_view selected, std::string_view selectedOver) {
  normal_ = loadSkinImage(context(), normal);
  over_ = loadSkinImage(context(), over);
  selectedImage_ = loadSkinImage(context(), selected);
  selectedOver_ = selectedOver.empty() ? nullptr : loadSkinImage(context(), selectedOver);
}

bool CTabControl::selected() const {
  const auto slot = tabSlotOf(id());
  return slot.has_value() && tabs_.*(slot->variable) == slot->value;
}

bool CTabControl::onMouseMove(unsigned, int x, int y) {
  const bool was = hovered_;
  hovered_ = rect().contains(x, y);
  return hovered_ != was;
}

bool CTabControl::onLButtonDown(unsigned, int x, int y) {
  pressed_ = rect().contains(x, y);
  return pressed_;
}

bool CTabControl::onLButtonUp(unsigned, int x, int y) {
  const bool wasPressed = pressed_;
  pressed_ = false;
  hovered_ = rect().contains(x, y);
  if (!wasPressed || !hovered_) return wasPressed;
  if (const auto slot = tabSlotOf(id())) tabs_.*(slot->variable) = slot->value;
  notify(notify::kClicked);
  return true;
}

bool CTabControl::onRButtonUp(unsigned, int x, int y) {
  if (!rect().contains(x, y)) return false;
  notify(notify::kRightClick);
  return false;
}

int CTabControl::resetPressed(int) {
  pressed_ = false;
  hovered_ = false;
  invalidate();
  return 0;
}

void CTabControl::releaseImages() {
  normal_.reset();
  over_.reset();
  selectedImage_.reset();
  selectedOver_.reset();
}

const Image* CTabControl::pictureToDraw() const {
  const bool chosen = selected() || pressed_;
  if (chosen && hovered_ && selectedOver_ != nullptr) return selectedOver_.get();
  if (chosen && selectedImage_ != nullptr) return selectedImage_.get();
  if (hovered_ && over_ != nullptr) return over_.get();
  return normal_.get();
}

void CTabControl::draw(Canvas& canvas, const Rect&) {
  if (const Image* picture = pictureToDraw()) canvas.drawImage(*picture, rect());
  if (text().empty()) return;
  const Colour colour = selected() || pressed_ ? kCaptionSelected
                        : hovered_             ? kCaptionOver
                                               : kCaptionNormal;
  canvas.drawText(text(), rect(), font(), colour,
                  text::kCenter | text::kVCenter | text::kSingleLine | text::kWordEllipsis);
}

}  // namespace pelorin
