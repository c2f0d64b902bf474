#pragma once
// A program as the desktop names it: the executable's full path where it can be learnt, else
// empty, and a name (the path's file name, or the window's class where no path is known).
#include <string>

namespace pelorin {

struct ProgramIdentity {
  std::u16string path;
  std::u16string name;
  friend bool operator==(const ProgramIdentity&, const ProgramIdentity&) = default;
};

}  // namespace pelorin
