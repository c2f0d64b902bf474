#pragma once
// The "profile" and "config" command groups: the profiles and the configuration of the data
// folder, loaded as the program's start-up loads them.
#include "pelorinctl/commands.h"

namespace pelorin::ctl {

// profile list | show N | use N | export N FILE | import N FILE | reset N   (N = 1..5)
int runProfile(const Options& options, const Args& args);
// config show
int runConfig(const Options& options, const Args& args);

}  // namespace pelorin::ctl
