#include "platform/win32/win32_hid_device.h"

#include <algorithm>
#include <vector>

#include "platform/win32/hid_api.h"
#include "platform/win32/hid_interface.h"
#include "platform/win32/system_error.h"

namespace pelorin {
namespace {

// HID.DLL wants a buffer of the interface's whole report length; a shorter report is padded with
// zeros and the answer is cut to the caller's buffer.
std::vector<std::uint8_t> reportBuffer(std::span<const std::uint8_t> report, std::size_t length) {
  std::vector<std::uint8_t> buffer(std::max(report.size(), length), 0);
  std::copy(report.begin(), report.end(), buffer.begin());
  return buffer;
}

}  // namespace

std::unique_ptr<Win32HidDevice> Win32HidDevice::open(const std::string& path, HidOpenError* error) {
  auto file = openHidPath(path, GENERIC_READ | GENERIC_WRITE, FILE_FLAG_OVERLAPPED);
  const DWORD code = file.valid() ? ERROR_SUCCESS : ::GetLastError();
  const auto info = file.valid() ? readHidInterfaceInfo(file.get(), path) : std::nullopt;
  if (error != nullptr) {
    *error = info ? HidOpenError::None
                  : (code != ERROR_SUCCESS ? openErrorFromCode(code) : HidOpenError::Other);
  }
  if (!info) return nullptr;
  return std::unique_ptr<Win32HidDevice>(new Win32HidDevice(std::move(file), *info));
}

Win32HidDevice::Win32HidDevice(OwnedHandle file, const HidInterfaceInfo& info)
    : file_(std::move(file)), info_(info), reader_(file_.get()) {}

HidResult Win32HidDevice::setFeature(std::span<const std::uint8_t> report) {
  auto buffer = reportBuffer(report, info_.featureReportLength);
  if (::HidD_SetFeature(file_.get(), buffer.data(), static_cast<ULONG>(buffer.size())) == FALSE) {
    return HidResult::failed(lastSystemMessage());
  }
  return HidResult::done(report.size());
}

HidResult Win32HidDevice::getFeature(std::span<std::uint8_t> report) {
  auto buffer = reportBuffer(report, info_.featureReportLength);
  if (::HidD_GetFeature(file_.get(), buffer.data(), static_cast<ULONG>(buffer.size())) == FALSE) {
    return HidResult::failed(lastSystemMessage());
  }
  std::copy_n(buffer.begin(), report.size(), report.begin());
  return HidResult::done(report.size());
}

HidResult Win32HidDevice::readInput(std::span<std::uint8_t> report) {
  // Windows reads whole input reports only, into a buffer of the interface's length.
  std::vector<std::uint8_t> buffer(std::max<std::size_t>(info_.inputReportLength, report.size()));
  const auto result = reader_.read(buffer);
  if (!result) return result;
  const auto count = std::min(result.bytes, report.size());
  std::copy_n(buffer.begin(), count, report.begin());
  return HidResult::done(count);
}

}  // namespace pelorin
