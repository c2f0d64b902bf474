#include <windows.h>
// After windows.h: it uses its types.
#include <shellapi.h>

#include "common/utf.h"
#include "common/utf8_arguments.h"

namespace pelorin {

std::vector<std::string> systemArguments(int argc, char** argv) {
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (wide == nullptr) return std::vector<std::string>(argv, argv + argc);
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) {
    arguments.push_back(toUtf8(reinterpret_cast<const char16_t*>(wide[i])));
  }
  ::LocalFree(wide);
  return arguments;
}

}  // namespace pelorin
