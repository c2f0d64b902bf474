#pragma once
// Which program the user is working in, as the desktop tells it. A source reports on the UI
// thread, only when the answer changes, so following the focus costs nothing while it stays.
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/program_identity.h"

namespace pelorin {

class FocusSource {
 public:
  // FocusedWindow: each report holds the one program owning the focused window (none when the
  // focus is on no program's window); the program's own windows are not reported, so its
  // dialogs never count as leaving the program in use. RunningPrograms: the desktop hides the
  // focus, so each report holds every running program instead.
  enum class Reach : std::uint8_t { FocusedWindow, RunningPrograms };
  using Report = std::function<void(std::vector<ProgramIdentity>)>;

  virtual ~FocusSource() = default;
  // Begins reporting, the present state first; false when the desktop can tell nothing.
  virtual bool start(Report report) = 0;
  virtual Reach reach() const = 0;
  // The programs running now, each once, by name (for the user to choose from).
  virtual std::vector<ProgramIdentity> runningPrograms() const = 0;
};

}  // namespace pelorin
