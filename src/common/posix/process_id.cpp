#include "common/process_id.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace pelorin {

long currentProcessId() {
  return static_cast<long>(::getpid());
}

bool processRunning(long id) {
  if (id <= 0) return false;
  return ::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
}

}  // namespace pelorin
