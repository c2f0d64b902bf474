#pragma once
// `set button N FUNCTION`: the functions a button can be given by name, a key combination or a
// macro of the library, under the window's rule that some button stays left click.
#include <span>
#include <string>

#include "pelorinctl/setting_edit.h"

namespace pelorin::ctl {

EditOutcome editButton(std::span<const std::string> words, ProfileRecord& record,
                       const EditEnv& env);

// How `profile show` names a button's function: "disable", "key Ctrl+Alt+C", "macro NAME", or the
// three code bytes when no name fits.
std::string buttonFunctionText(const KeySlot& slot);

}  // namespace pelorin::ctl
