#pragma once
// A menu of the function catalogue: the main function menu, one of its submenus or the
// profile-switch menu. Resting on a submenu row of the main menu asks the owner to open that
// submenu, resting on any other row to close it; a click on a function row sends its selection,
// a click on a dialog row the dialog's request.
#include <memory>
#include <vector>

#include "lang/language_table.h"
#include "profile/function_catalogue.h"
#include "skin/wnd_popup.h"

namespace pelorin {

class CFunctionPopup final : public CWndPopup {
 public:
  static constexpr int kRowHeight = 18;  // design pixels
  static constexpr int kMainWidth = 300;
  static constexpr int kSubmenuWidth = 160;

  CFunctionPopup(const SkinContext& context, FunctionMenu menu, const LanguageTable& texts);

  FunctionMenu menu() const { return menu_; }
  // Design height of the whole menu.
  static int designHeight(FunctionMenu menu);

 protected:
  void onCreateItems() override;
  void drawItems(Canvas& canvas, const Rect& client) override;
  bool onItemPointer(int x, int y) override;
  bool onItemRelease(int x, int y) override;

 private:
  int rowAt(int y) const;
  int rowHeight() const;
  void tellOwner(unsigned message) const;

  FunctionMenu menu_;
  const LanguageTable& texts_;
  std::span<const CatalogueEntry> rows_;
  int hovered_ = -1;
  SelectionRecord chosen_;
  std::unique_ptr<Image> normal_;
  std::unique_ptr<Image> over_;
  std::unique_ptr<Image> subNormal_;
  std::unique_ptr<Image> subOver_;
};

}  // namespace pelorin
