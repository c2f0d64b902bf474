#pragma once
// How the button page asks for a macro: the library's tree is offered in the selection dialog and
// the user picks one macro or none. The button page keeps to this one call.
#include <optional>

#include "lang/language_table.h"
#include "macro/macro_library.h"
#include "skin/dlg_base.h"

namespace pelorin {

// A copy of the chosen macro, or none when the dialog was closed without a choice.
std::optional<MacroKey> chooseMacro(SkinContext& context, const LanguageTable& texts,
                                    WindowId owner, MacroStore& store);

}  // namespace pelorin
