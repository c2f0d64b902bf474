#pragma once
// The menus of the profile slot bar: the list of shown profiles with the current one marked, and
// the action menu of one profile (import, export, rename, delete). A chosen row is sent to the
// owner as the placement's message with the row number in lParam.
#include <string>
#include <vector>

#include "skin/wnd_popup.h"

namespace pelorin {

class CProfileMenu final : public CWndPopup {
 public:
  static constexpr int kRowHeight = 25;  // design pixels
  // marked: the row drawn as chosen, or -1.
  CProfileMenu(const SkinContext& context, std::vector<std::u16string> rows, int marked = -1);

  int hovered() const { return hovered_; }

 protected:
  void onCreateItems() override;
  void drawItems(Canvas& canvas, const Rect& client) override;
  bool onItemPointer(int x, int y) override;
  bool onItemRelease(int x, int y) override;

 private:
  int rowAt(int y) const;
  int rowHeight() const;

  std::vector<std::u16string> rows_;
  int marked_;
  int hovered_ = -1;
  std::unique_ptr<Image> normal_;
  std::unique_ptr<Image> over_;
};

}  // namespace pelorin
