#include "platform/thread_priority.h"

#if __has_include(<pthread.h>)
#include <pthread.h>
#include <sched.h>
#endif

namespace pelorin {

void raiseCurrentThreadPriority() {
#if __has_include(<pthread.h>)
  sched_param param{};
  param.sched_priority = sched_get_priority_max(SCHED_RR);
  // Refused for unprivileged users on most systems; the reader then runs at normal priority.
  (void)pthread_setschedparam(pthread_self(), SCHED_RR, &param);
#endif
}

}  // namespace pelorin
