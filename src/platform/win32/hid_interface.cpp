#include "platform/win32/hid_interface.h"

#include "common/utf.h"
#include "platform/win32/hid_api.h"

namespace pelorin {

OwnedHandle openHidPath(const std::string& path, DWORD access, DWORD flags) {
  const auto wide = toUtf16(path);
  return OwnedHandle(::CreateFileW(reinterpret_cast<const wchar_t*>(wide.c_str()), access,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                   flags, nullptr));
}

std::optional<HidInterfaceInfo> readHidInterfaceInfo(HANDLE file, const std::string& path) {
  HIDD_ATTRIBUTES attributes{};
  attributes.Size = sizeof attributes;
  PHIDP_PREPARSED_DATA preparsed = nullptr;
  if (::HidD_GetAttributes(file, &attributes) == FALSE ||
      ::HidD_GetPreparsedData(file, &preparsed) == FALSE) {
    return std::nullopt;
  }
  HIDP_CAPS caps{};
  const auto status = ::HidP_GetCaps(preparsed, &caps);
  ::HidD_FreePreparsedData(preparsed);
  if (status != HIDP_STATUS_SUCCESS) return std::nullopt;
  HidInterfaceInfo info;
  info.path = path;
  info.vendorId = attributes.VendorID;
  info.productId = attributes.ProductID;
  info.inputReportLength = caps.InputReportByteLength;
  info.featureReportLength = caps.FeatureReportByteLength;
  return info;
}

HidOpenError openErrorFromCode(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DEVICE_NOT_CONNECTED:
      return HidOpenError::NotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
      return HidOpenError::PermissionDenied;
    default:
      return HidOpenError::Other;
  }
}

}  // namespace pelorin
