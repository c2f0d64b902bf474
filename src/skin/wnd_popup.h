#pragma once
// A borderless, topmost window for drop-down lists and menus. Subclasses add and draw their
// items and report the chosen one; the base renders, routes the mouse and tells the owner when
// the user clicks elsewhere.
#include <cstdint>
#include <memory>

#include "platform/image.h"
#include "platform/window_client.h"
#include "platform/window_system.h"
#include "skin/skin_context.h"

namespace pelorin {

struct PopupPlacement {
  WindowId parent = kNoWindow;
  Rect frame;  // screen pixels
  unsigned itemMessage = 0;
  std::intptr_t wParam = 0;
  int kind = 0;  // 0..15, see popup_kind.h
};

class CWndPopup : public WindowClient {
 public:
  explicit CWndPopup(const SkinContext& context);
  ~CWndPopup() override;
  CWndPopup(const CWndPopup&) = delete;
  CWndPopup& operator=(const CWndPopup&) = delete;

  // Creates the window, lets the subclass add its items, renders and shows it.
  bool create(const PopupPlacement& placement);
  WindowId windowId() const { return window_; }
  bool isOpen() const { return context_.host.find(window_) != nullptr; }
  const PopupPlacement& placement() const { return placement_; }

  void onPaint(Canvas& canvas, const Rect& dirty) final;
  void onMouse(const MouseEvent& event) final;
  std::intptr_t onMessage(const Message& message) override;
  void onDeactivate() override;
  void onDestroyed() override { window_ = kNoWindow; }

 protected:
  virtual void onCreateItems() {}
  // The client area is already black.
  virtual void drawItems(Canvas&, const Rect&) {}
  // Pointer moves and rests; (-1, -1) when it has left. True asks for a new render.
  virtual bool onItemPointer(int, int) { return false; }
  virtual bool onItemPress(int, int) { return false; }
  // Typically ends in sendItem for the item under the pointer.
  virtual bool onItemRelease(int, int) { return false; }

  // The item message with the wParam given at creation; lParam is the chosen item's record.
  void sendItem(std::intptr_t itemRecord) const;
  void render() const;
  Window* window() const { return context_.host.find(window_); }
  const SkinContext& context() const { return context_; }
  const Font& font() const { return font_; }
  // The popup skin from the resources; null when the program carries none.
  const Image* skin() const { return skin_.get(); }

 private:
  const SkinContext& context_;
  Font font_;
  std::unique_ptr<Image> skin_;
  PopupPlacement placement_;
  WindowId window_ = kNoWindow;
  bool tracking_ = false;
  bool pressed_ = false;
};

}  // namespace pelorin
