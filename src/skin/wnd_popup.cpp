#include "skin/wnd_popup.h"

#include <chrono>

#include "skin/popup_kind.h"
#include "skin/skin_images.h"

namespace pelorin {

namespace {
constexpr std::chrono::milliseconds kPopupHoverTime{50};
}  // namespace

CWndPopup::CWndPopup(const SkinContext& context)
    : context_(context),
      font_(context.uiFont),
      skin_(loadResourceImage(context, resource_id::kPopupSkin)) {
  font_.weight = 400;
}

CWndPopup::~CWndPopup() {
  if (window_ != kNoWindow) context_.host.destroy(window_);
}

bool CWndPopup::create(const PopupPlacement& placement) {
  if (window_ != kNoWindow) return false;
  placement_ = placement;
  Window& created = context_.host.createWindow(
      WindowSpec{WindowKind::Popup, placement.frame, placement.parent, u""}, *this);
  window_ = created.id();
  onCreateItems();
  render();
  if (Window* w = window()) {
    const Rect frame = w->frame();
    w->setFrame(
        Rect::ofSize(placement.frame.left, placement.frame.top, frame.width(), frame.height()));
    w->show(ShowMode::Normal);
  }
  return true;
}

void CWndPopup::render() const {
  if (Window* w = window()) w->invalidateAll();
}

void CWndPopup::onPaint(Canvas& canvas, const Rect&) {
  const Window* w = window();
  if (w == nullptr) return;
  const Rect client{0, 0, w->frame().width(), w->frame().height()};
  canvas.fillRect(client, 0);
  drawItems(canvas, client);
}

void CWndPopup::onMouse(const MouseEvent& event) {
  Window* w = window();
  if (w == nullptr) return;
  bool again = false;
  switch (event.action) {
    case MouseAction::Move:
      if (!tracking_) {
        w->trackMouse(kPopupHoverTime);
        tracking_ = true;
      }
      again = onItemPointer(event.x, event.y);
      break;
    case MouseAction::Hover:
      again = onItemPointer(event.x, event.y);
      break;
    case MouseAction::Leave:
      tracking_ = false;
      again = onItemPointer(-1, -1);
      break;
    // Popups have no double-click action: a quick second click is a click like the first.
    case MouseAction::LeftDown:
    case MouseAction::LeftDoubleClick:
      pressed_ = true;
      w->captureMouse();
      again = onItemPress(event.x, event.y);
      break;
    case MouseAction::LeftUp:
      if (!pressed_) return;
      pressed_ = false;
      w->releaseMouse();
      again = onItemRelease(event.x, event.y);
      break;
    default:
      return;
  }
  if (again) render();
}

std::intptr_t CWndPopup::onMessage(const Message& message) {
  if (message.id != msg::kClose) return 0;
  const WindowId parent = placement_.parent;
  WindowSystem& host = context_.host;
  host.destroy(window_);
  // Last: the owner may delete this popup while it handles the message.
  host.send(parent, Message{kPopupClosingMessage, 0, 0, {}});
  return 0;
}

void CWndPopup::onDeactivate() {
  if (const auto closed = popupClosedMessage(placement_.kind)) {
    context_.host.send(placement_.parent, Message{*closed, placement_.wParam, placement_.kind, {}});
  }
}

void CWndPopup::sendItem(std::intptr_t itemRecord) const {
  context_.host.send(placement_.parent,
                     Message{placement_.itemMessage, placement_.wParam, itemRecord, {}});
}

}  // namespace pelorin
