#pragma once
// Process ids, for naming a save's temporary file after its writer and telling whether that
// writer still runs. One implementation per operating system.

namespace pelorin {

long currentProcessId();

// True also for a process that runs but may not be inspected by this one.
bool processRunning(long id);

}  // namespace pelorin
