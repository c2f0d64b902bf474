#pragma once
// The library tree with its scroll bar, as the manager and the selection dialog show it. The
// tree writes the shared selection; the pane keeps the bar in step with the tree.
#include <cstdint>

#include "macro/macro_library.h"
#include "platform/window_message.h"
#include "skin/dlg_base.h"
#include "skin/edit_show_list.h"
#include "skin/v_scroll_bar.h"

namespace pelorin {

class MacroTreePane {
 public:
  static constexpr int kTreeId = 2015;
  static constexpr int kScrollId = 2021;
  static constexpr Rect kTreeRect{25, 54, 168, 323};
  static constexpr Rect kScrollRect{169, 53, 187, 324};

  void create(CDlgBase& dialog, const SkinContext& context, MacroStore& store);
  CEditShowList& tree() const { return *tree_; }
  CVScrollBar& bar() const { return *bar_; }

  // Shows the shared selection's row (none for stage -1) and scrolls to it.
  void showSelection();
  void updateBar();
  // A scroll bar notification; false when the message was not the bar's.
  bool onScroll(const Message& message);
  // True when the point is over the tree and the wheel moved it.
  bool onWheel(int x, int y, int delta);
  bool contains(int x, int y) const;

 private:
  MacroStore* store_ = nullptr;
  CEditShowList* tree_ = nullptr;
  CVScrollBar* bar_ = nullptr;
};

}  // namespace pelorin
