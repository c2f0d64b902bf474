#include "app/macro_choice.h"

#include "app/macro_message_dlg.h"
#include "app/macro_select_dlg.h"

namespace pelorin {

std::optional<MacroKey> chooseMacro(SkinContext& context, const LanguageTable& texts,
                                    WindowId owner, MacroStore& store) {
  CMacroSelectDlg dialog(context, texts, store, owner, macroMessageBoxes(context, texts, owner));
  if (dialog.doModal(WindowKind::Modal, owner) != CMacroSelectDlg::kChosen) return std::nullopt;
  const LibraryItem* item = store.library.itemAt(store.selection);
  if (item == nullptr || !item->isMacro()) return std::nullopt;
  return *item->macro;
}

}  // namespace pelorin
