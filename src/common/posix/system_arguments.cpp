#include "common/utf8_arguments.h"

namespace pelorin {

// File names and terminals are UTF-8 here already.
std::vector<std::string> systemArguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

}  // namespace pelorin
