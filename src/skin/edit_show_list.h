#pragma once
// The macro library as a tree list: one row per visible item, folders with an open or closed
// icon. The selection it sets is the one the whole program shares with the library.
#include <memory>

#include "macro/macro_library.h"
#include "platform/image.h"
#include "skin/control_base.h"

namespace pelorin {

class CEditShowList : public CControlBase {
 public:
  static constexpr const char* kFolderOpenFile = "skins\\foldr_open.png";
  static constexpr const char* kFolderClosedFile = "skins\\foldr_close.png";

  CEditShowList(const SkinContext& context, WindowId parent, int id, const Rect& rect,
                MacroStore& store);

  // Selects a row of the tree (not of the screen) and the item on it; -1 selects nothing.
  void select(int row);
  int selectedRow() const { return selected_; }
  // Scrolls just enough that the selected row is shown.
  void ensureVisible();
  void setFirstVisibleRow(int row);
  int firstVisibleRow() const { return first_; }
  int visibleRowCount() const { return visibleRows_; }

  void setRect(const Rect& rect) override;
  void draw(Canvas& canvas, const Rect& clip) override;
  bool onLButtonDown(unsigned flags, int x, int y) override;
  bool onLButtonUp(unsigned flags, int x, int y) override;
  bool onRButtonUp(unsigned flags, int x, int y) override;
  bool onLButtonDblClk(unsigned flags, int x, int y) override;
  void releaseImages() override;

 private:
  // The tree row under a dialog point, or -1 below the last item.
  int rowAt(int y) const;
  // Selects the row under the point; returns the tree row or -1.
  int selectAt(int y);
  int iconWidth() const;
  Rect rowRect(int screenRow) const;
  void drawRow(Canvas& canvas, int row, const Rect& area) const;

  MacroStore& store_;
  std::unique_ptr<Image> folderOpen_;
  std::unique_ptr<Image> folderClosed_;
  int selected_ = -1;
  int visibleRows_ = 0;
  int first_ = 0;
};

}  // namespace pelorin
