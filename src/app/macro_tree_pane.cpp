#include "app/macro_tree_pane.h"

#include <memory>

#include "app/list_scroll.h"
#include "pages/page.h"

namespace pelorin {

void MacroTreePane::create(CDlgBase& dialog, const SkinContext& context, MacroStore& store) {
  store_ = &store;
  const WindowId self = dialog.windowId();
  tree_ = static_cast<CEditShowList*>(dialog.addControl(
      0, std::make_unique<CEditShowList>(context, self, kTreeId,
                                         scaledRect(kTreeRect, context.scale), store)));
  bar_ = static_cast<CVScrollBar*>(
      dialog.addControl(0, std::make_unique<CVScrollBar>(context, self, kScrollId,
                                                         scaledRect(kScrollRect, context.scale))));
  updateBar();
}

void MacroTreePane::showSelection() {
  tree_->select(store_->library.rowOfLocation(store_->selection));
  tree_->ensureVisible();
  updateBar();
}

void MacroTreePane::updateBar() {
  const int rows = store_->library.visibleRowCount();
  const int visible = tree_->visibleRowCount();
  tree_->setFirstVisibleRow(list_scroll::clampFirst(tree_->firstVisibleRow(), rows, visible));
  bar_->setModel(tree_->firstVisibleRow(), visible, rows);
}

bool MacroTreePane::onScroll(const Message& message) {
  if (message.id != kScrollId) return false;
  tree_->setFirstVisibleRow(list_scroll::afterBar(
      *bar_, static_cast<int>(message.lParam), message.wParam, tree_->firstVisibleRow(),
      store_->library.visibleRowCount(), tree_->visibleRowCount()));
  updateBar();
  return true;
}

bool MacroTreePane::contains(int x, int y) const {
  return tree_->rect().contains(x, y);
}

bool MacroTreePane::onWheel(int x, int y, int delta) {
  if (!contains(x, y)) return false;
  tree_->setFirstVisibleRow(list_scroll::afterWheel(delta, tree_->firstVisibleRow(),
                                                    store_->library.visibleRowCount(),
                                                    tree_->visibleRowCount()));
  updateBar();
  return true;
}

}  // namespace pelorin
