#include "platform/shell.h"

#include "common/utf.h"

namespace pelorin {

std::filesystem::path withDefaultExtension(std::filesystem::path chosen,
                                           std::u16string_view extension) {
  if (extension.empty() || chosen.filename().empty() || chosen.has_extension()) return chosen;
  chosen += "." + toUtf8(extension);
  return chosen;
}

}  // namespace pelorin
