#include "common/application_data_root.h"

#include <shlobj.h>
#include <windows.h>

namespace pelorin {

std::filesystem::path applicationDataRoot() {
  wchar_t folder[MAX_PATH];
  if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                SHGFP_TYPE_CURRENT, folder))) {
    return {};
  }
  return std::filesystem::path(folder);
}

}  // namespace pelorin
