#pragma once
// The base of every windowless control: a rectangle of its dialog that draws itself, takes the
// mouse when the dialog routes it there and notifies the dialog with the control id as message.
#include <cstdint>
#include <string>

#include "platform/canvas.h"
#include "platform/font.h"
#include "platform/input_event.h"
#include "platform/rect.h"
#include "platform/window.h"
#include "skin/skin_context.h"

namespace pelorin {

class CControlBase {
 public:
  // rect is in dialog client pixels, already scaled.
  CControlBase(const SkinContext& context, WindowId parent, int id, const Rect& rect);
  virtual ~CControlBase() = default;
  CControlBase(const CControlBase&) = delete;
  CControlBase& operator=(const CControlBase&) = delete;

  virtual void draw(Canvas& canvas, const Rect& clip);
  // Popup owners call this to drop a pressed look when a popup takes over; returns 0.
  virtual int resetPressed(int state);

  virtual void setRect(const Rect& rect) { rect_ = rect; }
  const Rect& rect() const { return rect_; }
  // Repaints only when the text changes.
  virtual void setText(std::u16string text);
  const std::u16string& text() const { return text_; }
  virtual void setShown(bool shown) { shown_ = shown; }
  virtual void setActive(bool active) { active_ = active; }
  bool shown() const { return shown_; }
  bool active() const { return active_; }
  // Drawn and hit by the mouse only when both flags are set.
  bool visible() const { return shown_ && active_; }
  // A disabled control is still drawn but the dialog routes no input to it.
  void setDisabled(bool disabled) { disabled_ = disabled; }
  bool disabled() const { return disabled_; }
  void setHoverable(bool hoverable) { hoverable_ = hoverable; }
  bool hoverable() const { return hoverable_; }
  // A control the pointer passes through (labels, pictures): a press on it lands on the
  // background and moves the window.
  void setHitTestable(bool hitTestable) { hitTestable_ = hitTestable; }
  bool hitTestable() const { return hitTestable_; }
  // Whether a press or a click on the control can land on it at all.
  bool hit(int x, int y) const { return visible() && hitTestable_ && rect_.contains(x, y); }
  void setFont(Font font) { font_ = std::move(font); }
  const Font& font() const { return font_; }
  // Where the caption is laid out and what it reads, for the check that every caption fits.
  virtual Rect captionArea() const { return rect_; }
  virtual std::u16string captionText() const { return text_; }
  // A caption laid out on several lines: only each of its words must fit a line.
  virtual bool captionWraps() const { return false; }
  // Shown by the dialog when the pointer rests on the control; empty for none.
  void setTooltip(std::u16string tooltip) { tooltip_ = std::move(tooltip); }
  const std::u16string& tooltip() const { return tooltip_; }
  int id() const { return id_; }
  WindowId parent() const { return parent_; }

  // Each returns true when the control must be repainted.
  virtual bool onMouseMove(unsigned flags, int x, int y);
  virtual bool onLButtonDown(unsigned flags, int x, int y);
  virtual bool onLButtonUp(unsigned flags, int x, int y);
  virtual bool onRButtonUp(unsigned flags, int x, int y);
  virtual bool onLButtonDblClk(unsigned flags, int x, int y);
  // Keyboard focus: the dialog gives it only to controls that take it (edit fields).
  virtual bool takesFocus() const { return false; }
  virtual void onFocus(bool) {}
  // A key pressed while the control has the focus; true when the control used it.
  virtual bool onKeyDown(const KeyEvent&) { return false; }
  // Text committed by the keyboard or the input method while the control has the focus.
  virtual void onText(std::u16string_view) {}
  // The input method's word in progress while the control has the focus; empty when it ends.
  virtual void onComposition(std::u16string_view) {}
  // Frees the control's pictures before its dialog ends.
  virtual void releaseImages() {}

 protected:
  // Sends (id, wParam, code) to the dialog and returns its answer.
  std::intptr_t notify(int code, std::intptr_t wParam = 0) const;
  void invalidate() const;
  const SkinContext& context() const { return context_; }

 private:
  const SkinContext& context_;
  WindowId parent_;
  int id_;
  Rect rect_;
  bool shown_ = true;
  bool active_ = true;
  bool disabled_ = false;
  bool hoverable_ = true;
  bool hitTestable_ = true;
  std::u16string text_;
  std::u16string tooltip_;
  Font font_;
};

}  // namespace pelorin
