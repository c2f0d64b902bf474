#include "common/process_id.h"

#include <windows.h>

namespace pelorin {

long currentProcessId() {
  return static_cast<long>(::GetCurrentProcessId());
}

bool processRunning(long id) {
  if (id <= 0) return false;
  HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id));
  if (process == nullptr) return ::GetLastError() == ERROR_ACCESS_DENIED;
  DWORD code = 0;
  const bool running = ::GetExitCodeProcess(process, &code) != 0 && code == STILL_ACTIVE;
  ::CloseHandle(process);
  return running;
}

}  // namespace pelorin
