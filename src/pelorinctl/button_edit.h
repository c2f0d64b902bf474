#pragma once
// `set button N FUNCTION`: a function of the catalogue by its script name, a key combination, a
// fire key or a macro of the library, under the window's rule that some button stays left click.
#include <span>
#include <string>

#include "pelorinctl/setting_edit.h"

namespace pelorin::ctl {

EditOutcome editButton(std::span<const std::string> words, ProfileRecord& record,
                       const EditEnv& env);

// How `profile show` names a button's function, as `set button` takes it: a catalogue name when
// code and caption are that entry's, else "key Ctrl+Alt+C", "fire-key 50 3", "macro NAME", or
// the three code bytes when no name fits (a program launch).
std::string buttonFunctionText(const KeySlot& slot, const LanguageTable& texts);

}  // namespace pelorin::ctl
