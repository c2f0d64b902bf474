#pragma once
// The action list of the macro dialogs: one row per action of a macro, with the action's icon
// and text. The owner picks the macro and scrolls; the list only selects and reports.
#include <array>
#include <memory>

#include "macro/macro_key.h"
#include "platform/image.h"
#include "skin/control_base.h"

namespace pelorin {

class CImageShowList : public CControlBase {
 public:
  static constexpr int kId = 2020;

  CImageShowList(const SkinContext& context, WindowId parent, const Rect& rect);

  // The list keeps a pointer; null shows an empty list. The selection and scroll position stay.
  void setMacro(const MacroKey* macro);
  const MacroKey* macro() const { return macro_; }
  // -1 selects nothing.
  void select(int row);
  int selectedRow() const { return selected_; }
  void setFirstVisibleRow(int row);
  int firstVisibleRow() const { return first_; }
  int visibleRowCount() const { return visibleRows_; }

  void setRect(const Rect& rect) override;
  void draw(Canvas& canvas, const Rect& clip) override;
  bool onLButtonDown(unsigned flags, int x, int y) override;
  bool onLButtonUp(unsigned flags, int x, int y) override;
  bool onLButtonDblClk(unsigned flags, int x, int y) override;
  void releaseImages() override;

 private:
  int actionCount() const;
  // The action under a dialog point, or -1 below the last one.
  int rowAt(int y) const;
  Rect rowRect(int screenRow) const;
  void drawRow(Canvas& canvas, int row, const Rect& area) const;

  const MacroKey* macro_ = nullptr;
  // Indexed by ActionIcon.
  std::array<std::unique_ptr<Image>, 3> icons_;
  int selected_ = -1;
  int visibleRows_ = 0;
  int first_ = 0;
};

}  // namespace pelorin
