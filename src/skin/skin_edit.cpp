#include "skin/skin_edit.h"

#include <algorithm>
#include <cstdlib>

#include "platform/text_format.h"
#include "platform/virtual_keys.h"
#include "skin/notify_code.h"
#include "skin/scaled_length.h"

namespace pelorin {

namespace {

constexpr int kPadding = 3;  // design pixels between the frame and the text

bool isLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

bool isHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}

bool held(const KeyEvent& key, unsigned modifier) {
  return (key.modifiers & modifier) != 0;
}

}  // namespace

CSkinEdit::CSkinEdit(const SkinContext& context, WindowId parent, int id, const Rect& rect)
    : CControlBase(context, parent, id, rect) {}

void CSkinEdit::setText(std::u16string text) {
  if (limit_ != 0 && text.size() > limit_) {
    std::size_t keep = limit_;
    if (isLowSurrogate(text[keep])) --keep;
    text.resize(keep);
  }
  CControlBase::setText(std::move(text));
  caret_ = anchor_ = this->text().size();
  caretMoved();
}

void CSkinEdit::setCentred(bool centred) {
  centred_ = centred;
  caretMoved();
}

void CSkinEdit::setColours(Colour text, Colour background) {
  textColour_ = text;
  background_ = background;
  invalidate();
}

void CSkinEdit::select(std::size_t anchor, std::size_t caret) {
  anchor_ = std::min(anchor, text().size());
  caret_ = std::min(caret, text().size());
  caretMoved();
}

Rect CSkinEdit::textArea() const {
  const int padding = std::max(1, scaledLength(context(), kPadding));
  return Rect{rect().left + padding, rect().top + 1, rect().right - padding, rect().bottom - 1};
}

int CSkinEdit::widthOf(std::size_t length) const {
  return context().host.graphics().textWidth(std::u16string_view(text()).substr(0, length), font());
}

int CSkinEdit::textOrigin() const {
  const Rect area = textArea();
  const int room = area.width() - widthOf(text().size());
  if (centred_ && room > 0) return area.left + room / 2;
  return area.left - scroll_;
}

std::size_t CSkinEdit::positionAt(int x) const {
  const int target = x - textOrigin();
  std::size_t best = 0;
  int bestDistance = std::abs(target);
  for (std::size_t i = 0; i < text().size();) {
    i = nextPosition(i);
    const int distance = std::abs(widthOf(i) - target);
    if (distance < bestDistance) best = i, bestDistance = distance;
  }
  return best;
}

std::size_t CSkinEdit::previousPosition(std::size_t from) const {
  if (from == 0) return 0;
  --from;
  if (from > 0 && isLowSurrogate(text()[from]) && isHighSurrogate(text()[from - 1])) --from;
  return from;
}

std::size_t CSkinEdit::nextPosition(std::size_t from) const {
  if (from >= text().size()) return text().size();
  ++from;
  if (from < text().size() && isLowSurrogate(text()[from]) && isHighSurrogate(text()[from - 1])) {
    ++from;
  }
  return from;
}

void CSkinEdit::moveCaret(std::size_t to, bool extend) {
  caret_ = to;
  if (!extend) anchor_ = to;
  caretMoved();
}

void CSkinEdit::caretMoved() {
  const int caretX = widthOf(caret_);
  const int visible = textArea().width();
  if (caretX - scroll_ > visible - 1) scroll_ = caretX - visible + 1;
  if (caretX < scroll_) scroll_ = caretX;
  scroll_ = std::max(0, std::min(scroll_, std::max(0, widthOf(text().size()) - visible + 1)));
  invalidate();
  if (!focused_) return;
  if (Window* window = context().host.find(parent())) {
    const Rect area = textArea();
    const int x = textOrigin() + caretX;
    window->setTextInput(true, Rect{x, area.top, x + 1, area.bottom});
  }
}

void CSkinEdit::edited() {
  caretMoved();
  notify(notify::kTextChanged);
}

std::u16string CSkinEdit::admissible(std::u16string_view typed) const {
  std::u16string kept;
  for (const char16_t c : typed) {
    if (c < 0x20 || c == 0x7F) continue;
    if (digitsOnly_ && (c < u'0' || c > u'9')) continue;
    kept.push_back(c);
  }
  if (limit_ != 0) {
    const std::size_t room =
        limit_ - std::min(limit_, text().size() - (selectionEnd() - selectionStart()));
    if (kept.size() > room) {
      std::size_t keep = room;
      if (keep > 0 && isHighSurrogate(kept[keep - 1])) --keep;
      kept.resize(keep);
    }
  }
  return kept;
}

void CSkinEdit::replaceSelection(std::u16string_view inserted) {
  std::u16string next = text();
  const std::size_t start = selectionStart();
  next.replace(start, selectionEnd() - start, inserted);
  CControlBase::setText(std::move(next));
  caret_ = anchor_ = start + inserted.size();
  edited();
}

void CSkinEdit::copySelection() const {
  if (!hasSelection()) return;
  context().host.clipboard().setText(
      std::u16string_view(text()).substr(selectionStart(), selectionEnd() - selectionStart()));
}

void CSkinEdit::paste() {
  const auto pasted = context().host.clipboard().text();
  if (!pasted) return;
  // A single-line field takes the first line of what is pasted.
  const std::u16string_view firstLine =
      std::u16string_view(*pasted).substr(0, pasted->find_first_of(u"\r\n"));
  const std::u16string kept = admissible(firstLine);
  if (!kept.empty()) replaceSelection(kept);
}

bool CSkinEdit::onKeyDown(const KeyEvent& key) {
  const bool shift = held(key, mouse_flags::kShift);
  if (held(key, mouse_flags::kControl)) {
    switch (key.virtualKey) {
      case 'A':
        select(0, text().size());
        return true;
      case 'C':
        copySelection();
        return true;
      case 'X':
        copySelection();
        if (hasSelection()) replaceSelection({});
        return true;
      case 'V':
        paste();
        return true;
      default:
        break;
    }
  }
  switch (key.virtualKey) {
    case vk::kLeft:
      moveCaret(hasSelection() && !shift ? selectionStart() : previousPosition(caret_), shift);
      return true;
    case vk::kRight:
      moveCaret(hasSelection() && !shift ? selectionEnd() : nextPosition(caret_), shift);
      return true;
    case vk::kHome:
      moveCaret(0, shift);
      return true;
    case vk::kEnd:
      moveCaret(text().size(), shift);
      return true;
    case vk::kBack:
      if (!hasSelection()) anchor_ = previousPosition(caret_);
      if (hasSelection()) replaceSelection({});
      return true;
    case vk::kDelete:
      if (!hasSelection()) anchor_ = nextPosition(caret_);
      if (hasSelection()) replaceSelection({});
      return true;
    default:
      return false;
  }
}

void CSkinEdit::onComposition(std::u16string_view text) {
  if (text == composition_) return;
  composition_ = text;
  invalidate();
}

void CSkinEdit::onText(std::u16string_view typed) {
  composition_.clear();
  const std::u16string kept = admissible(typed);
  if (!kept.empty()) replaceSelection(kept);
}

void CSkinEdit::onFocus(bool focused) {
  focused_ = focused;
  composition_.clear();
  if (focused) {
    caretMoved();
  } else if (Window* window = context().host.find(parent())) {
    window->setTextInput(false, Rect{});
    invalidate();
  }
}

bool CSkinEdit::onLButtonDown(unsigned flags, int x, int) {
  selecting_ = true;
  moveCaret(positionAt(x), (flags & mouse_flags::kShift) != 0);
  return true;
}

bool CSkinEdit::onMouseMove(unsigned flags, int x, int) {
  if (!selecting_ || (flags & mouse_flags::kLeft) == 0) return false;
  const std::size_t at = positionAt(x);
  if (at == caret_) return false;
  moveCaret(at, true);
  return true;
}

bool CSkinEdit::onLButtonUp(unsigned, int, int) {
  selecting_ = false;
  return false;
}

bool CSkinEdit::onLButtonDblClk(unsigned, int, int) {
  select(0, text().size());
  return true;
}

void CSkinEdit::drawRun(Canvas& canvas, std::u16string_view run, int left) const {
  const Rect area = textArea();
  const int width = context().host.graphics().textWidth(run, font());
  // Wide enough never to cut the line; the clip keeps it inside the field.
  canvas.drawText(run, Rect{left, area.top, left + width + area.width(), area.bottom}, font(),
                  textColour_, text::kLeft | text::kSingleLine | text::kVCenter);
}

void CSkinEdit::draw(Canvas& canvas, const Rect&) {
  canvas.fillRect(rect(), background_);
  canvas.frameRect(rect(), focused_ ? kFocusFrame : kFrame);
  const Rect area = textArea();
  canvas.pushClip(area);
  const int origin = textOrigin();
  if (hasSelection()) {
    canvas.fillRect(Rect{origin + widthOf(selectionStart()), area.top,
                         origin + widthOf(selectionEnd()), area.bottom},
                    kSelection);
  }
  const int caretX = origin + widthOf(caret_);
  if (composition_.empty()) {
    drawRun(canvas, text(), origin);
  } else {
    // The word in progress stands underlined at the caret, pushing the rest of the text aside.
    const std::u16string_view all = text();
    const int composed = context().host.graphics().textWidth(composition_, font());
    drawRun(canvas, all.substr(0, caret_), origin);
    drawRun(canvas, composition_, caretX);
    drawRun(canvas, all.substr(caret_), caretX + composed);
    canvas.fillRect(Rect{caretX, area.bottom - 2, caretX + composed, area.bottom - 1}, textColour_);
  }
  if (focused_) {
    const int width = std::max(1, scaledLength(context(), 1));
    canvas.fillRect(Rect{caretX, area.top + 1, caretX + width, area.bottom - 1}, textColour_);
  }
  canvas.popClip();
}

}  // namespace pelorin
