#include "platform/win32/win32_console.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace pelorin {
namespace {

UINT parentCodePage = 0;

bool sentSomewhere(DWORD stream) {
  const HANDLE handle = ::GetStdHandle(stream);
  return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

// The console is the parent's: it gets its code page back when this program ends.
void restoreCodePage() {
  std::fflush(stdout);
  std::fflush(stderr);
  ::SetConsoleOutputCP(parentCodePage);
}

}  // namespace

void attachParentConsole() {
  const bool output = sentSomewhere(STD_OUTPUT_HANDLE);
  const bool errors = sentSomewhere(STD_ERROR_HANDLE);
  if ((output && errors) || ::AttachConsole(ATTACH_PARENT_PROCESS) == 0) return;
  if (!output) std::freopen("CONOUT$", "w", stdout);
  if (!errors) std::freopen("CONOUT$", "w", stderr);
  // Everything the program prints is UTF-8.
  parentCodePage = ::GetConsoleOutputCP();
  if (parentCodePage != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8) != 0) {
    std::atexit(restoreCodePage);
  }
}

}  // namespace pelorin
