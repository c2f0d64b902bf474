#include "platform/sim/sim_focus_source.h"

namespace pelorin {

bool SimFocusSource::start(Report report) {
  report_ = std::move(report);
  report_(programs_);
  return true;
}

void SimFocusSource::report(std::vector<ProgramIdentity> programs) {
  programs_ = std::move(programs);
  if (report_) report_(programs_);
}

}  // namespace pelorin
