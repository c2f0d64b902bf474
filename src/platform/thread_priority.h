#pragma once

namespace pelorin {

// Asks the scheduler to run the calling thread ahead of ordinary work, so an event report from
// the mouse is picked up at once. Best effort: without the right to do so nothing changes.
void raiseCurrentThreadPriority();

}  // namespace pelorin
