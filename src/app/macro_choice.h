#pragma once
// How the button page asks for a macro: the library's macros are offered to the user, who picks
// one or none. The button page keeps to this one call, so the way of choosing can change alone.
#include <optional>
#include <string_view>

#include "lang/language_table.h"
#include "macro/macro_library.h"
#include "skin/dlg_base.h"

namespace pelorin {

// A copy of the chosen macro, or none when the user closed the choice. currentName marks the
// macro the button carries now.
std::optional<MacroKey> chooseMacro(SkinContext& context, const LanguageTable& texts,
                                    WindowId owner, const MacroLibrary& library,
                                    std::u16string_view currentName);

// The library's macros in tree order, folders left out, each with the path of folders above it.
struct MacroChoiceRow {
  std::u16string caption;  // "folder/macro"
  const MacroKey* macro;
};
std::vector<MacroChoiceRow> macroChoiceRows(const MacroLibrary& library);

}  // namespace pelorin
