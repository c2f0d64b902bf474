#pragma once
// A single-line text field drawn by the toolkit: caret, selection, the editing keys, the
// clipboard and text committed by the keyboard or the input method (Chinese names included).
// It takes the text only while its dialog has given it the focus.
#include <cstddef>
#include <string>
#include <string_view>

#include "skin/control_base.h"

namespace pelorin {

class CSkinEdit : public CControlBase {
 public:
  static constexpr Colour kBackground = 0x1F1F1F;
  static constexpr Colour kFrame = 0x4B4B4B;
  static constexpr Colour kFocusFrame = 0xDEA035;
  static constexpr Colour kSelection = 0xDEA035;
  static constexpr Colour kTextColour = 0xFFFFFF;
  // What the user typed is no caption.
  std::u16string captionText() const override { return {}; }

  CSkinEdit(const SkinContext& context, WindowId parent, int id, const Rect& rect);

  // Only the digits 0 to 9 are taken, from the keyboard and from the clipboard alike.
  void setDigitsOnly(bool digitsOnly) { digitsOnly_ = digitsOnly; }
  // At most this many UTF-16 units; 0 for no limit. Text beyond it is cut when typed or pasted.
  void setLimit(std::size_t limit) { limit_ = limit; }
  // A text narrower than the field stands in its middle (the name and number boxes).
  void setCentred(bool centred);
  // Text and background colours; the defaults are white on the dark field.
  void setColours(Colour text, Colour background);
  // Replaces the text (cut to the limit), puts the caret at its end and selects nothing.
  void setText(std::u16string text) override;

  std::size_t caret() const { return caret_; }
  // The selected range, start before end; empty when nothing is selected.
  std::size_t selectionStart() const { return std::min(anchor_, caret_); }
  std::size_t selectionEnd() const { return std::max(anchor_, caret_); }
  // Selects from anchor to caret (clamped); the caret ends where the keys move it from.
  void select(std::size_t anchor, std::size_t caret);
  bool focused() const { return focused_; }

  void draw(Canvas& canvas, const Rect& clip) override;
  bool onMouseMove(unsigned flags, int x, int y) override;
  bool onLButtonDown(unsigned flags, int x, int y) override;
  bool onLButtonUp(unsigned flags, int x, int y) override;
  bool onLButtonDblClk(unsigned flags, int x, int y) override;
  bool takesFocus() const override { return true; }
  void onFocus(bool focused) override;
  bool onKeyDown(const KeyEvent& key) override;
  void onText(std::u16string_view text) override;
  // Shown underlined at the caret until the input method commits or drops it.
  void onComposition(std::u16string_view text) override;
  const std::u16string& composition() const { return composition_; }

 private:
  Rect textArea() const;
  int widthOf(std::size_t length) const;
  // Where the text's first character starts on the dialog.
  int textOrigin() const;
  std::size_t positionAt(int x) const;
  std::size_t previousPosition(std::size_t from) const;
  std::size_t nextPosition(std::size_t from) const;
  void moveCaret(std::size_t to, bool extend);
  bool hasSelection() const { return anchor_ != caret_; }
  // What of the text may go in: no control characters, digits only when asked, within the limit.
  std::u16string admissible(std::u16string_view text) const;
  void replaceSelection(std::u16string_view text);
  void copySelection() const;
  void paste();
  // Scrolls so the caret shows, repaints and tells the input method where the caret is.
  void caretMoved();
  void edited();
  void drawRun(Canvas& canvas, std::u16string_view run, int left) const;

  std::size_t caret_ = 0;
  std::size_t anchor_ = 0;
  std::size_t limit_ = 0;
  bool digitsOnly_ = false;
  bool centred_ = false;
  Colour textColour_ = kTextColour;
  Colour background_ = kBackground;
  bool focused_ = false;
  bool selecting_ = false;
  int scroll_ = 0;
  std::u16string composition_;  // pixels of text hidden left of the text area
};

}  // namespace pelorin
