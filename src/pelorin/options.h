#pragma once
// The window program's command line.
#include <filesystem>
#include <optional>
#include <vector>

#include "runner/sim_schedule.h"

namespace pelorin {

struct ProgramOptions {
  bool simulate = false;
  bool trace = false;
  // Start hidden in the notification area, as the configuration's start-hidden switch does.
  bool hidden = false;
  std::optional<std::filesystem::path> dataDir;
  std::vector<SimStep> simSteps;
};

// Nothing (after a usage line on standard error) for anything it does not know.
std::optional<ProgramOptions> parseProgramOptions(int argc, char** argv);

}  // namespace pelorin
