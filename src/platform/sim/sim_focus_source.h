#pragma once
// The headless focus source: tests say which program has the focus (or which ones run) and the
// report reaches the program at once, as the desktop's would on the UI thread.
#include <optional>

#include "platform/focus_source.h"

namespace pelorin {

class SimFocusSource final : public FocusSource {
 public:
  explicit SimFocusSource(Reach reach) : reach_(reach) {}

  bool start(Report report) override;
  Reach reach() const override { return reach_; }
  std::vector<ProgramIdentity> runningPrograms() const override { return running_; }

  // The focused program (one) or the running ones; reported at once while started.
  void report(std::vector<ProgramIdentity> programs);
  void setRunning(std::vector<ProgramIdentity> running) { running_ = std::move(running); }

 private:
  Reach reach_;
  Report report_;
  std::vector<ProgramIdentity> programs_;
  std::vector<ProgramIdentity> running_;
};

}  // namespace pelorin
