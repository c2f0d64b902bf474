#pragma once
// The system's own words for a Win32 error code, in UTF-8, for HidResult and the trace.
#include <string>

#include <windows.h>

namespace pelorin {

std::string systemMessage(DWORD code);
inline std::string lastSystemMessage() {
  return systemMessage(::GetLastError());
}

}  // namespace pelorin
