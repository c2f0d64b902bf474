#pragma once
// The program's arguments as UTF-8 on every system. On Windows they are read as UTF-16 from the
// system, since the narrow ones main receives have passed through the ANSI code page and lost
// every character it cannot hold.
#include <string>
#include <vector>

namespace pelorin {

class Utf8Arguments {
 public:
  Utf8Arguments(int argc, char** argv);
  Utf8Arguments(const Utf8Arguments&) = delete;
  Utf8Arguments& operator=(const Utf8Arguments&) = delete;

  int count() const { return static_cast<int>(texts_.size()); }
  // argv's shape: count() pointers, then a null one.
  char** values() { return pointers_.data(); }

 private:
  std::vector<std::string> texts_;
  std::vector<char*> pointers_;
};

// The system's own part: the arguments as the system keeps them, converted to UTF-8.
std::vector<std::string> systemArguments(int argc, char** argv);

}  // namespace pelorin
