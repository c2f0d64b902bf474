#include "skin/edit_show_list.h"

#include <algorithm>

#include "platform/text_format.h"
#include "skin/list_style.h"
#include "skin/notify_code.h"
#include "skin/scaled_length.h"
#include "skin/skin_images.h"

namespace pelorin {

namespace {
constexpr int kRowInset = 2;  // design pixels on each side of a row
constexpr int kIconGap = 3;   // design pixels between a folder icon and what follows
constexpr unsigned kRowText =
    text::kLeft | text::kVCenter | text::kSingleLine | text::kWordEllipsis;
}  // namespace

CEditShowList::CEditShowList(const SkinContext& context, WindowId parent, int id, const Rect& rect,
                             MacroStore& store)
    : CControlBase(context, parent, id, rect),
      store_(store),
      folderOpen_(loadSkinImage(context, kFolderOpenFile)),
      folderClosed_(loadSkinImage(context, kFolderClosedFile)),
      visibleRows_(list_style::visibleRows(context, rect.height())) {}

void CEditShowList::setRect(const Rect& rect) {
  CControlBase::setRect(rect);
  visibleRows_ = list_style::visibleRows(context(), rect.height());
}

void CEditShowList::select(int row) {
  selected_ = row;
  store_.selection = row < 0 ? LibraryLocation{} : store_.library.locationOfRow(row);
  invalidate();
}

void CEditShowList::ensureVisible() {
  if (selected_ < 0) return;
  if (selected_ < first_) first_ = selected_;
  if (selected_ > first_ + visibleRows_ - 1) first_ = selected_ - visibleRows_ + 1;
  first_ = std::max(0, first_);
}

void CEditShowList::setFirstVisibleRow(int row) {
  first_ = std::max(0, row);
  invalidate();
}

int CEditShowList::iconWidth() const {
  return folderClosed_ != nullptr ? folderClosed_->width() : 0;
}

int CEditShowList::rowAt(int y) const {
  const int row = first_ + (y - rect().top) / list_style::rowHeight(context());
  return row < store_.library.visibleRowCount() ? row : -1;
}

int CEditShowList::selectAt(int y) {
  const int row = rowAt(y);
  select(row);
  return row;
}

bool CEditShowList::onLButtonDown(unsigned, int x, int y) {
  const int row = selectAt(y);
  if (row < 0) return true;
  const LibraryLocation& location = store_.selection;
  LibraryItem* item = store_.library.itemAt(location);
  // Only a press on the folder's icon (or the indentation before it) opens or closes it.
  const double iconReach =
      iconWidth() * static_cast<double>(context().scale) * (location.stage + 1);
  if (item != nullptr && item->isFolder != 0 && x - rect().left < iconReach) {
    item->folderIsOpen = item->folderIsOpen != 0 ? 0 : 1;
  }
  return true;
}

bool CEditShowList::onLButtonUp(unsigned, int x, int y) {
  if (!rect().contains(x, y)) return false;
  notify(notify::kClicked);
  return true;
}

bool CEditShowList::onRButtonUp(unsigned, int x, int y) {
  selectAt(y);
  Point at{x, y};
  notify(notify::kRightClick, reinterpret_cast<std::intptr_t>(&at));
  return true;
}

bool CEditShowList::onLButtonDblClk(unsigned, int, int y) {
  const int row = rowAt(y);
  if (row < 0) return false;
  if (LibraryItem* item = store_.library.itemAt(store_.library.locationOfRow(row))) {
    if (item->isFolder != 0) item->folderIsOpen = item->folderIsOpen != 0 ? 0 : 1;
  }
  notify(notify::kDoubleClick);
  return true;
}

void CEditShowList::releaseImages() {
  folderOpen_.reset();
  folderClosed_.reset();
}

Rect CEditShowList::rowRect(int screenRow) const {
  const int inset = scaledLength(context(), kRowInset);
  const int height = list_style::rowHeight(context());
  const int top = rect().top + screenRow * height;
  return Rect{rect().left + inset, top, rect().right - inset, top + height};
}

void CEditShowList::draw(Canvas& canvas, const Rect&) {
  canvas.fillRect(rect(), list_style::kBackground);
  canvas.pushClip(rect());
  const int rows = store_.library.visibleRowCount();
  for (int screenRow = 0; screenRow < visibleRows_ && first_ + screenRow < rows; ++screenRow) {
    drawRow(canvas, first_ + screenRow, rowRect(screenRow));
  }
  canvas.popClip();
}

void CEditShowList::drawRow(Canvas& canvas, int row, const Rect& area) const {
  const LibraryLocation location = store_.library.locationOfRow(row);
  const LibraryItem* item = store_.library.itemAt(location);
  if (item == nullptr) return;
  if (row == selected_) canvas.fillRect(area, list_style::kSelection);
  const int step = scaledLength(context(), iconWidth() + kIconGap);
  Rect textArea = area;
  textArea.left += step * location.stage;
  if (item->isFolder != 0) {
    const Image* icon = item->folderIsOpen != 0 ? folderOpen_.get() : folderClosed_.get();
    if (icon != nullptr) {
      const int w = scaledLength(context(), icon->width());
      const int h = scaledLength(context(), icon->height());
      canvas.drawImage(*icon,
                       Rect::ofSize(textArea.left, area.top + (area.height() - h) / 2, w, h));
    }
    textArea.left += step;
  }
  canvas.drawText(item->name, textArea, font(), list_style::kText, kRowText);
}

}  // namespace pelorin
