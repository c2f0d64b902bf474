#include "common/utf8_arguments.h"

namespace pelorin {

Utf8Arguments::Utf8Arguments(int argc, char** argv) : texts_(systemArguments(argc, argv)) {
  for (auto& text : texts_) pointers_.push_back(text.data());
  pointers_.push_back(nullptr);
}

}  // namespace pelorin
