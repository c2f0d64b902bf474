#pragma once
// The base of every dialog: a borderless window painted from a skin background, owning layers
// of windowless controls, routing the mouse to them and moving the window when the user drags
// its background.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/window_client.h"
#include "platform/window_system.h"
#include "skin/control_base.h"
#include "skin/skin_context.h"
#include "skin/wnd_popup.h"

namespace pelorin {

class CDlgBase : public WindowClient {
 public:
  static constexpr int kLayerCount = 7;
  static constexpr int kPopupSlotCount = 11;
  static constexpr Colour kInitialFill = 0xEFE2BA;
  static constexpr int kCancel = 2;

  // size: the window size in pixels, design size times the scale.
  explicit CDlgBase(SkinContext& context, Size size = Size{2254, 1480});
  ~CDlgBase() override;
  CDlgBase(const CDlgBase&) = delete;
  CDlgBase& operator=(const CDlgBase&) = delete;

  // Creates the window, runs onInitDialog, then sizes, shows and centres it.
  bool create(WindowKind kind, WindowId owner);
  // create followed by the dialog's own message loop; returns endDialog's result.
  int doModal(WindowKind kind, WindowId owner);
  void endDialog(int result);
  WindowId windowId() const { return window_; }
  Window* window() const { return context_.host.find(window_); }

  // The first control with this id in layer order, or null.
  CControlBase* findControl(int id) const;
  // The dialog owns the control from now on; layers outside 0..6 are refused.
  CControlBase* addControl(int layer, std::unique_ptr<CControlBase> control);
  // A bitmap or PNG from the resources or from a file beside the program.
  bool loadBackground(int resourceId);
  bool loadBackground(std::string_view fileName);
  // Shows the popup in the slot, closing the one that was there.
  CWndPopup* openPopup(int slot, std::unique_ptr<CWndPopup> popup, const PopupPlacement& placement);
  CWndPopup* popup(int slot) const;
  // Drops a stale pressed look, posts a close to the slot's popup and empties the slot.
  void closePopup(int slot);
  // Lets every control free its pictures; subclasses call it before ending the dialog.
  void releaseAll();

  Colour fillColour() const { return fill_; }
  Size backgroundSize() const { return backgroundSize_; }
  Size size() const { return size_; }
  const CControlBase* hoverControl() const { return hover_; }
  const CControlBase* pressedControl() const { return pressed_; }
  // The tooltip's box while one is shown (client pixels).
  std::optional<Rect> tooltipRect() const;
  // True from a press on a control until its release: the control takes every move meanwhile.
  bool holdingMouse() const { return holding_; }
  // The control that takes the keys and the typed text (an edit field), or null.
  CControlBase* focusControl() const { return focus_; }
  // Only controls that take the focus get it; null takes it away from all.
  void setFocusControl(CControlBase* control);
  const Font& font() const { return font_; }

  void onPaint(Canvas& canvas, const Rect& dirty) override;
  void onMouse(const MouseEvent& event) override;
  void onKey(const KeyEvent& key) override;
  void onText(std::u16string_view text) override;
  void onComposition(std::u16string_view text) override;
  std::intptr_t onMessage(const Message& message) final;
  void onDestroyed() override;

 protected:
  // Creates the controls; the window exists, with its final size still to come.
  virtual void onInitDialog() {}
  // Called with the client rectangle once the window has its size.
  virtual void layout(const Rect&) {}
  // Asked after onInitDialog: a window that is to stay hidden is never mapped, so it never flashes.
  virtual bool showsAtCreation() const { return true; }
  // The default fills with the fill colour and copies the cached background.
  virtual void drawBackground(Canvas& canvas, const Rect& client);
  virtual void drawControls(Canvas& canvas, const Rect& clip);
  // Messages other than the close request: control notifications, popup messages, own ones.
  virtual std::intptr_t handleMessage(const Message&) { return 0; }
  // A key the focused control did not use (Enter, Escape, the arrows of a value dialog);
  // true when the dialog used it.
  virtual bool onDialogKey(const KeyEvent&) { return false; }
  // A close request; the default ends the dialog as cancelled.
  virtual void onClose() { endDialog(kCancel); }

  SkinContext& context() const { return context_; }
  void invalidate(const Rect& rect) const;

 private:
  template <typename F>
  void forEachControl(F&& f) const;
  CControlBase* controlAt(int x, int y) const;
  bool applyBackground(std::unique_ptr<Image> background);
  void mouseMove(const MouseEvent& event);
  void updateHover(const MouseEvent& event);
  void mouseLeave();
  void leftDown(const MouseEvent& event);
  void leftUp(const MouseEvent& event);
  void doubleClick(const MouseEvent& event);
  void rightUp(const MouseEvent& event);
  static bool takesInput(const CControlBase& control);
  void hold(CControlBase& control);
  void dropHold();
  // False when the dialog has no field to move to.
  bool moveFocus(bool backwards);
  void repaintAfterRelease(const CControlBase& control) const;
  void showTooltip(Point at);
  void hideTooltip();
  void drawTooltip(Canvas& canvas) const;
  void pruneClosedPopups();

  SkinContext& context_;
  Size size_;
  Font font_;
  Colour fill_ = kInitialFill;
  Size backgroundSize_{100, 100};
  std::unique_ptr<Image> background_;
  std::unique_ptr<Image> icon_;
  std::array<std::vector<std::unique_ptr<CControlBase>>, kLayerCount> layers_;
  CControlBase* hover_ = nullptr;
  CControlBase* pressed_ = nullptr;
  CControlBase* focus_ = nullptr;
  bool holding_ = false;
  bool tracking_ = false;
  Point lastMouse_{-1, -1};
  std::array<std::unique_ptr<CWndPopup>, kPopupSlotCount> popups_;
  std::vector<std::unique_ptr<CWndPopup>> closing_;
  WindowId window_ = kNoWindow;
  bool modal_ = false;
  struct Tip {
    const CControlBase* owner;
    Rect box;
  };
  std::optional<Tip> tip_;
};

}  // namespace pelorin
