#include "common/utf8_path.h"

#include <string>

namespace pelorin {

std::filesystem::path pathFromUtf8(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace pelorin
