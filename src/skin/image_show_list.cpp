#include "skin/image_show_list.h"

#include <algorithm>

#include "macro/action_text.h"
#include "platform/text_format.h"
#include "skin/list_style.h"
#include "skin/notify_code.h"
#include "skin/scaled_length.h"
#include "skin/skin_images.h"

namespace pelorin {

namespace {
constexpr int kTextLeft = 17;  // design pixels from the list's left edge; the icon sits before
constexpr int kRowInset = 2;   // design pixels before the right edge
constexpr int kIconLeft = 15;  // design pixels left of the row
constexpr int kIconTop = 3;    // design pixels below the row's top
constexpr unsigned kRowText =
    text::kLeft | text::kVCenter | text::kSingleLine | text::kWordEllipsis;
constexpr std::array kIcons{ActionIcon::Delay, ActionIcon::Press, ActionIcon::Release};
}  // namespace

CImageShowList::CImageShowList(const SkinContext& context, WindowId parent, const Rect& rect)
    : CControlBase(context, parent, kId, rect),
      visibleRows_(list_style::visibleRows(context, rect.height())) {
  for (ActionIcon icon : kIcons) {
    icons_[static_cast<std::size_t>(icon)] = loadSkinImage(context, actionIconFile(icon));
  }
}

void CImageShowList::setRect(const Rect& rect) {
  CControlBase::setRect(rect);
  visibleRows_ = list_style::visibleRows(context(), rect.height());
}

void CImageShowList::setMacro(const MacroKey* macro) {
  macro_ = macro;
  invalidate();
}

void CImageShowList::select(int row) {
  selected_ = row;
  invalidate();
}

void CImageShowList::setFirstVisibleRow(int row) {
  first_ = std::max(0, row);
  invalidate();
}

int CImageShowList::actionCount() const {
  if (macro_ == nullptr) return 0;
  return static_cast<int>(std::min<std::size_t>(macro_->actionCount, MacroKey::kMaxActions));
}

int CImageShowList::rowAt(int y) const {
  const int row = first_ + (y - rect().top) / list_style::rowHeight(context());
  return row < actionCount() ? row : -1;
}

bool CImageShowList::onLButtonDown(unsigned, int, int y) {
  select(rowAt(y));
  return true;
}

bool CImageShowList::onLButtonUp(unsigned, int x, int y) {
  if (!rect().contains(x, y)) return false;
  notify(notify::kClicked);
  return false;
}

bool CImageShowList::onLButtonDblClk(unsigned, int, int) {
  notify(notify::kDoubleClick);
  return false;
}

void CImageShowList::releaseImages() {
  for (auto& icon : icons_) icon.reset();
}

Rect CImageShowList::rowRect(int screenRow) const {
  const int height = list_style::rowHeight(context());
  const int top = rect().top + screenRow * height;
  return Rect{rect().left + scaledLength(context(), kTextLeft), top,
              rect().right - scaledLength(context(), kRowInset), top + height};
}

void CImageShowList::draw(Canvas& canvas, const Rect&) {
  canvas.fillRect(rect(), list_style::kBackground);
  canvas.pushClip(rect());
  const int count = actionCount();
  for (int screenRow = 0; screenRow < visibleRows_ && first_ + screenRow < count; ++screenRow) {
    drawRow(canvas, first_ + screenRow, rowRect(screenRow));
  }
  canvas.popClip();
}

void CImageShowList::drawRow(Canvas& canvas, int row, const Rect& area) const {
  if (row == selected_) canvas.fillRect(area, list_style::kSelection);
  const ActionText shown = actionText(macro_->actions[static_cast<std::size_t>(row)]);
  if (const Image* icon = icons_[static_cast<std::size_t>(shown.icon)].get()) {
    canvas.drawImage(*icon, Rect::ofSize(area.left - scaledLength(context(), kIconLeft),
                                         area.top + scaledLength(context(), kIconTop),
                                         scaledLength(context(), icon->width()),
                                         scaledLength(context(), icon->height())));
  }
  canvas.drawText(shown.text, area, font(), list_style::kText, kRowText);
}

}  // namespace pelorin
