#pragma once
// `pelorinctl set`: one setting of a profile changed as the window's pages change it. The edit
// works on the caller's copy of the record; a refused edit says why and leaves the copy as it
// was given, so nothing is written or sent.
#include <optional>
#include <string>

#include "device/setting_commands.h"
#include "lang/language_table.h"
#include "macro/macro_library.h"
#include "pages/dpi_step_table.h"
#include "pelorinctl/commands.h"
#include "profile/profile_record.h"

namespace pelorin::ctl {

struct EditEnv {
  const DpiStepTable& steps;
  std::uint16_t sensor;
  const LanguageTable& texts;
  const MacroLibrary& library;
};

struct EditOutcome {
  SettingGroup group = SettingGroup::Performance;
  // Empty when the edit was made; otherwise what was wrong, naming what is accepted.
  std::string error;
};

// words: the arguments after "set", e.g. {"dpi", "2", "800", "on"}.
EditOutcome editSetting(const Args& words, ProfileRecord& record, const EditEnv& env);

}  // namespace pelorin::ctl
