#include "platform/shell.h"

#include <string>

namespace pelorin {

std::filesystem::path withDefaultExtension(std::filesystem::path chosen,
                                           std::u16string_view extension) {
  if (extension.empty() || chosen.filename().empty() || chosen.has_extension()) return chosen;
  chosen += u"." + std::u16string(extension);
  return chosen;
}

}  // namespace pelorin
