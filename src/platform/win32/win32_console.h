#pragma once
// A program of the window subsystem starts without a console, so its usage text and --trace
// would go nowhere when it is started from a console window: it writes to its parent's console
// then. Streams the starter redirected (to a file or a pipe) stay where they were sent.
namespace pelorin {

void attachParentConsole();

}  // namespace pelorin
