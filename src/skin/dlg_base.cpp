#include "skin/dlg_base.h"

#include <algorithm>
#include <chrono>

#include "platform/text_format.h"
#include "platform/virtual_keys.h"
#include "skin/dialog_background.h"
#include "skin/popup_kind.h"
#include "skin/skin_images.h"
#include "skin/tooltip.h"
#include "skin/ui_font.h"

namespace pelorin {

namespace {

// The host's hover report after the pointer rests this long shows the tooltip.
constexpr std::chrono::milliseconds kDialogHoverTime = kTooltipDelay;
// Tooltip look, design pixels and colours.
constexpr int kTipPadding = 4;
constexpr int kTipGap = 20;
constexpr Colour kTipFill = 0x2A2018;
constexpr Colour kTipFrame = 0x8C8C8C;
constexpr Colour kTipText = 0xF0F0F0;

// Releasing these repaints the whole window: tabs and group headers change what is shown.
bool repaintsWholeWindow(int id) {
  return id == 2040 || (id >= 2049 && id <= 2053) || (id >= 3001 && id <= 3004) ||
         (id >= 3007 && id <= 3009);
}

Rect centredIn(const Rect& area, Size size) {
  const int left = area.left + std::max(0, (area.width() - size.width) / 2);
  const int top = area.top + std::max(0, (area.height() - size.height) / 2);
  return Rect::ofSize(left, top, size.width, size.height);
}

}  // namespace

CDlgBase::CDlgBase(SkinContext& context, Size size) : context_(context), size_(size) {}

CDlgBase::~CDlgBase() {
  closing_.clear();
  for (auto& popup : popups_) popup.reset();
  if (window_ != kNoWindow) context_.host.destroy(window_);
}

bool CDlgBase::create(WindowKind kind, WindowId owner) {
  if (window_ != kNoWindow) return false;
  Window& created = context_.host.createWindow(
      WindowSpec{kind, Rect{0, 0, size_.width, size_.height}, owner, u"Pelorin"}, *this);
  window_ = created.id();
  context_.openDialogs.add(window_);
  onInitDialog();
  Window* w = window();
  if (w == nullptr) return false;
  icon_ = loadResourceImage(context_, resource_id::kIcon);
  if (icon_ != nullptr) w->setIcon(*icon_);
  w->setTitle(u"Pelorin");
  font_ = dialogFont(context_.uiFont, context_.host.screen().dpiRatio);
  w->setFrame(Rect::ofSize(w->frame().left, w->frame().top, size_.width, size_.height));
  w->show(showsAtCreation() ? ShowMode::Normal : ShowMode::Hide);
  layout(Rect{0, 0, size_.width, size_.height});
  const Window* ownerWindow = context_.host.find(owner);
  w->setFrame(centredIn(
      ownerWindow != nullptr ? ownerWindow->frame() : context_.host.screen().workArea, size_));
  return true;
}

int CDlgBase::doModal(WindowKind kind, WindowId owner) {
  if (!create(kind, owner)) return -1;
  modal_ = true;
  Window* w = window();
  const int result = w != nullptr ? w->runModal() : -1;
  modal_ = false;
  if (window_ != kNoWindow) context_.host.destroy(window_);
  return result;
}

void CDlgBase::endDialog(int result) {
  Window* w = window();
  if (w == nullptr) return;
  if (modal_) {
    w->endModal(result);
  } else {
    context_.host.destroy(window_);
  }
}

void CDlgBase::onDestroyed() {
  context_.openDialogs.remove(window_);
  window_ = kNoWindow;
  tip_.reset();
  hover_ = nullptr;
  pressed_ = nullptr;
  focus_ = nullptr;
  holding_ = false;
}

template <typename F>
void CDlgBase::forEachControl(F&& f) const {
  for (const auto& layer : layers_) {
    for (const auto& control : layer) f(*control);
  }
}

CControlBase* CDlgBase::findControl(int id) const {
  for (const auto& layer : layers_) {
    for (const auto& control : layer) {
      if (control->id() == id) return control.get();
    }
  }
  return nullptr;
}

CControlBase* CDlgBase::addControl(int layer, std::unique_ptr<CControlBase> control) {
  if (layer < 0 || layer >= kLayerCount || control == nullptr) return nullptr;
  layers_[static_cast<std::size_t>(layer)].push_back(std::move(control));
  return layers_[static_cast<std::size_t>(layer)].back().get();
}

CControlBase* CDlgBase::controlAt(int x, int y) const {
  CControlBase* found = nullptr;
  forEachControl([&](CControlBase& c) {
    if (c.hit(x, y)) found = &c;
  });
  return found;
}

bool CDlgBase::loadBackground(int resourceId) {
  return applyBackground(loadResourceImage(context_, resourceId));
}

bool CDlgBase::loadBackground(std::string_view fileName) {
  return applyBackground(loadSkinImage(context_, fileName));
}

bool CDlgBase::applyBackground(std::unique_ptr<Image> picture) {
  if (picture == nullptr) return false;
  Graphics& graphics = context_.host.graphics();
  // Transparent parts count as black, as they would on an opaque bitmap.
  auto opaque = graphics.createImage(picture->width(), picture->height());
  if (auto canvas = graphics.paintOn(*opaque)) {
    canvas->fillRect(Rect{0, 0, opaque->width(), opaque->height()}, 0);
    canvas->drawImage(*picture, Rect{0, 0, opaque->width(), opaque->height()});
  }
  backgroundSize_ = Size{opaque->width(), opaque->height()};
  fill_ = averageColour(*opaque);
  background_ = scaleBackground(graphics, *opaque, size_);
  if (Window* w = window()) w->invalidateAll();
  return true;
}

void CDlgBase::pruneClosedPopups() {
  std::erase_if(closing_, [](const auto& popup) { return !popup->isOpen(); });
}

CWndPopup* CDlgBase::openPopup(int slot, std::unique_ptr<CWndPopup> popup,
                               const PopupPlacement& placement) {
  if (slot < 0 || slot >= kPopupSlotCount || popup == nullptr) return nullptr;
  closePopup(slot);
  PopupPlacement owned = placement;
  owned.parent = window_;
  popup->create(owned);
  popups_[static_cast<std::size_t>(slot)] = std::move(popup);
  return popups_[static_cast<std::size_t>(slot)].get();
}

CWndPopup* CDlgBase::popup(int slot) const {
  if (slot < 0 || slot >= kPopupSlotCount) return nullptr;
  return popups_[static_cast<std::size_t>(slot)].get();
}

void CDlgBase::closePopup(int slot) {
  if (slot < 0 || slot >= kPopupSlotCount) return;
  pruneClosedPopups();
  if (pressed_ != nullptr && pressed_ != hover_) pressed_->resetPressed(0);
  auto& held = popups_[static_cast<std::size_t>(slot)];
  if (held == nullptr) return;
  // The popup object stays alive until its window has handled the close.
  context_.host.post(held->windowId(), Message{msg::kClose, 0, 0, {}});
  closing_.push_back(std::move(held));
}

void CDlgBase::releaseAll() {
  forEachControl([](CControlBase& c) { c.releaseImages(); });
}

void CDlgBase::invalidate(const Rect& rect) const {
  if (Window* w = window()) w->invalidate(rect);
}

void CDlgBase::onPaint(Canvas& canvas, const Rect& dirty) {
  const Rect client{0, 0, size_.width, size_.height};
  drawBackground(canvas, client);
  drawControls(canvas, dirty);
  drawTooltip(canvas);
}

std::optional<Rect> CDlgBase::tooltipRect() const {
  return tip_ ? std::optional<Rect>(tip_->box) : std::nullopt;
}

// Below the pointer, inside the part of the window that is on the screen.
void CDlgBase::showTooltip(Point at) {
  const CControlBase* owner = controlAt(at.x, at.y);
  if (owner == nullptr || owner->tooltip().empty()) return;
  if (tip_ && tip_->owner == owner) return;
  hideTooltip();
  const Window* w = window();
  if (w == nullptr) return;
  const float scale = context_.scale;
  const int pad = static_cast<int>(kTipPadding * scale);
  const Font& font = context_.uiFont;
  const Size size{context_.host.graphics().textWidth(owner->tooltip(), font) + 2 * pad,
                  font.pixelHeight + 2 * pad};
  const Rect frame = w->frame();
  const Rect screen = context_.host.screen().workArea.offset(-frame.left, -frame.top);
  const Rect bounds{std::max(0, screen.left), std::max(0, screen.top),
                    std::min(size_.width, screen.right), std::min(size_.height, screen.bottom)};
  tip_ = Tip{owner, placeTooltip(at, size, bounds, static_cast<int>(kTipGap * scale))};
  invalidate(tip_->box);
}

void CDlgBase::hideTooltip() {
  if (!tip_) return;
  const Rect box = tip_->box;
  tip_.reset();
  invalidate(box);
}

void CDlgBase::drawTooltip(Canvas& canvas) const {
  if (!tip_) return;
  canvas.fillRect(tip_->box, kTipFill);
  canvas.frameRect(tip_->box, kTipFrame);
  canvas.drawText(tip_->owner->tooltip(), tip_->box, context_.uiFont, kTipText,
                  text::kCenter | text::kVCenter | text::kSingleLine);
}

void CDlgBase::drawBackground(Canvas& canvas, const Rect& client) {
  canvas.fillRect(client, fill_);
  if (background_ != nullptr) {
    canvas.drawImage(*background_, Rect{0, 0, background_->width(), background_->height()});
  }
}

void CDlgBase::drawControls(Canvas& canvas, const Rect& clip) {
  forEachControl([&](CControlBase& c) {
    if (c.visible() && c.rect().intersects(clip)) c.draw(canvas, clip);
  });
}

std::intptr_t CDlgBase::onMessage(const Message& message) {
  if (message.id == msg::kClose) {
    onClose();
    return 0;
  }
  return handleMessage(message);
}

void CDlgBase::onMouse(const MouseEvent& event) {
  switch (event.action) {
    case MouseAction::Move:
      mouseMove(event);
      break;
    case MouseAction::Leave:
      mouseLeave();
      break;
    case MouseAction::Hover:
      // The next move asks for the next rest.
      tracking_ = false;
      if (!holding_) showTooltip(Point{event.x, event.y});
      break;
    case MouseAction::LeftDown:
      leftDown(event);
      break;
    case MouseAction::LeftUp:
      leftUp(event);
      break;
    case MouseAction::LeftDoubleClick:
      doubleClick(event);
      break;
    case MouseAction::RightUp:
      rightUp(event);
      break;
    default:
      break;
  }
}

void CDlgBase::mouseMove(const MouseEvent& event) {
  Window* w = window();
  if (w == nullptr) return;
  if (!tracking_) {
    w->trackMouse(kDialogHoverTime);
    tracking_ = true;
  }
  lastMouse_ = Point{event.x, event.y};
  // A release that happened where this window could not see it ends the hold quietly.
  if (holding_ && (event.flags & mouse_flags::kLeft) == 0) dropHold();
  if (holding_) {
    // The control that took the press follows the pointer wherever it goes until the release.
    if (pressed_ != nullptr && takesInput(*pressed_) &&
        pressed_->onMouseMove(event.flags, event.x, event.y)) {
      invalidate(pressed_->rect());
    }
    return;
  }
  updateHover(event);
}

void CDlgBase::updateHover(const MouseEvent& event) {
  if (hover_ != nullptr && hover_->visible() && hover_->rect().contains(event.x, event.y)) {
    if (!hover_->disabled() && hover_->onMouseMove(event.flags, event.x, event.y)) {
      invalidate(hover_->rect());
    }
    return;
  }
  CControlBase* found = nullptr;
  forEachControl([&](CControlBase& c) {
    if (!c.visible() || !c.hoverable()) return;
    if (!c.disabled() && c.onMouseMove(event.flags, event.x, event.y)) invalidate(c.rect());
    if (c.rect().contains(event.x, event.y)) found = &c;
  });
  if (hover_ != nullptr) invalidate(hover_->rect());
  if (found != nullptr) invalidate(found->rect());
  hover_ = found;
  if (tip_ && tip_->owner != found) hideTooltip();
}

void CDlgBase::mouseLeave() {
  tracking_ = false;
  hideTooltip();
  if (hover_ == nullptr || holding_) return;
  const Window* w = window();
  const bool stillInside = w != nullptr && w->isMaximised() && hover_->rect().contains(lastMouse_);
  const Point at = stillInside ? lastMouse_ : Point{-1, -1};
  if (!hover_->disabled()) hover_->onMouseMove(0, at.x, at.y);
  invalidate(hover_->rect());
  hover_ = nullptr;
}

bool CDlgBase::takesInput(const CControlBase& control) {
  return control.visible() && !control.disabled();
}

void CDlgBase::hold(CControlBase& control) {
  pressed_ = &control;
  holding_ = true;
  if (Window* w = window()) w->captureMouse();
}

void CDlgBase::dropHold() {
  holding_ = false;
  if (Window* w = window()) w->releaseMouse();
  if (pressed_ != nullptr) pressed_->resetPressed(0);
}

void CDlgBase::leftDown(const MouseEvent& event) {
  hideTooltip();
  if (holding_) dropHold();
  if (pressed_ != nullptr && pressed_ != hover_) pressed_->resetPressed(0);
  Window* w = window();
  if (w == nullptr) return;
  // The owner may have hidden or moved controls since the last move: look again.
  if (hover_ == nullptr || !hover_->hit(event.x, event.y)) {
    updateHover(MouseEvent{MouseAction::Move, event.x, event.y, event.flags, 0});
  }
  if (hover_ != nullptr && hover_->hit(event.x, event.y)) {
    CControlBase& target = *hover_;
    hold(target);
    if (target.disabled()) return;
    if (target.takesFocus()) setFocusControl(&target);
    if (target.onLButtonDown(event.flags, event.x, event.y)) invalidate(target.rect());
  } else if (controlAt(event.x, event.y) == nullptr) {
    const Rect frame = w->frame();
    w->beginMoveDrag(Point{frame.left + event.x, frame.top + event.y});
  }
}

void CDlgBase::leftUp(const MouseEvent& event) {
  if (!holding_) return;
  holding_ = false;
  if (Window* w = window()) w->releaseMouse();
  CControlBase* target = pressed_;
  if (target == nullptr) return;
  if (!target->visible()) {
    // Hidden while held: it hears no release, only that its press is over.
    target->resetPressed(0);
  } else if (!target->disabled() && target->onLButtonUp(event.flags, event.x, event.y)) {
    repaintAfterRelease(*target);
  }
  // The release may have changed what is shown; the control under the pointer takes the hover.
  if (window() != nullptr) updateHover(MouseEvent{MouseAction::Move, event.x, event.y, 0, 0});
}

void CDlgBase::doubleClick(const MouseEvent& event) {
  if (holding_) dropHold();
  CControlBase* control = controlAt(event.x, event.y);
  if (control == nullptr) return;
  // The double click stands for the second press, so its release comes back to the same control.
  hold(*control);
  if (!control->disabled() && control->onLButtonDblClk(event.flags, event.x, event.y)) {
    invalidate(control->rect());
  }
}

void CDlgBase::rightUp(const MouseEvent& event) {
  CControlBase* control = controlAt(event.x, event.y);
  if (control == nullptr || control->disabled()) return;
  if (control->onRButtonUp(event.flags, event.x, event.y)) invalidate(control->rect());
}

void CDlgBase::repaintAfterRelease(const CControlBase& control) const {
  if (Window* w = window()) {
    if (repaintsWholeWindow(control.id())) {
      w->invalidateAll();
    } else {
      w->invalidate(control.rect());
    }
  }
}

void CDlgBase::setFocusControl(CControlBase* control) {
  if (control != nullptr && !control->takesFocus()) return;
  if (control == focus_) return;
  CControlBase* previous = focus_;
  focus_ = control;
  if (previous != nullptr) previous->onFocus(false);
  if (focus_ != nullptr) focus_->onFocus(true);
}

bool CDlgBase::moveFocus(bool backwards) {
  std::vector<CControlBase*> order;
  forEachControl([&](CControlBase& c) {
    if (c.takesFocus() && takesInput(c)) order.push_back(&c);
  });
  if (order.empty()) return false;
  if (backwards) std::reverse(order.begin(), order.end());
  const auto at = std::find(order.begin(), order.end(), focus_);
  setFocusControl(at == order.end() || at + 1 == order.end() ? order.front() : *(at + 1));
  return true;
}

void CDlgBase::onKey(const KeyEvent& key) {
  // A focused field that has been hidden or disabled since takes nothing.
  CControlBase* focused = focus_ != nullptr && takesInput(*focus_) ? focus_ : nullptr;
  // Tab walks the fields in layer order; a dialog without fields sees Tab as any other key.
  if (key.down && key.virtualKey == vk::kTab && (key.modifiers & mouse_flags::kControl) == 0 &&
      moveFocus((key.modifiers & mouse_flags::kShift) != 0)) {
    return;
  }
  if (key.down && focused != nullptr && focused->onKeyDown(key)) return;
  onDialogKey(key);
}

void CDlgBase::onText(std::u16string_view text) {
  if (focus_ != nullptr && takesInput(*focus_)) focus_->onText(text);
}

void CDlgBase::onComposition(std::u16string_view text) {
  if (focus_ != nullptr && takesInput(*focus_)) focus_->onComposition(text);
}

}  // namespace pelorin
