#include "platform/win32/win32_hid_bus.h"

#include <windows.h>
// After windows.h: it uses its types.
#include <setupapi.h>

#include <vector>

#include "common/utf.h"
#include "platform/native_hid_bus.h"
#include "platform/win32/hid_api.h"
#include "platform/win32/hid_interface.h"
#include "platform/win32/win32_hid_device.h"

namespace pelorin {
namespace {

class DeviceInfoSet {
 public:
  explicit DeviceInfoSet(const GUID& interfaceClass)
      : set_(::SetupDiGetClassDevsW(&interfaceClass, nullptr, nullptr,
                                    DIGCF_PRESENT | DIGCF_DEVICEINTERFACE)) {}
  ~DeviceInfoSet() {
    if (valid()) ::SetupDiDestroyDeviceInfoList(set_);
  }
  DeviceInfoSet(const DeviceInfoSet&) = delete;
  DeviceInfoSet& operator=(const DeviceInfoSet&) = delete;
  bool valid() const { return set_ != INVALID_HANDLE_VALUE; }
  HDEVINFO get() const { return set_; }

 private:
  HDEVINFO set_;
};

std::optional<std::string> interfacePath(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& data) {
  DWORD size = 0;
  ::SetupDiGetDeviceInterfaceDetailW(set, &data, nullptr, 0, &size, nullptr);
  if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return std::nullopt;
  std::vector<std::uint8_t> storage(size);
  auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.data());
  detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
  if (::SetupDiGetDeviceInterfaceDetailW(set, &data, detail, size, nullptr, nullptr) == FALSE) {
    return std::nullopt;
  }
  return toUtf8(reinterpret_cast<const char16_t*>(detail->DevicePath));
}

}  // namespace

std::vector<HidInterfaceInfo> Win32HidBus::enumerate() {
  GUID hidClass;
  ::HidD_GetHidGuid(&hidClass);
  const DeviceInfoSet set(hidClass);
  std::vector<HidInterfaceInfo> found;
  if (!set.valid()) return found;
  SP_DEVICE_INTERFACE_DATA data{};
  data.cbSize = sizeof data;
  for (DWORD index = 0; ::SetupDiEnumDeviceInterfaces(set.get(), nullptr, &hidClass, index, &data);
       ++index) {
    const auto path = interfacePath(set.get(), data);
    if (!path) continue;
    const auto file = openHidPath(*path, 0, 0);
    auto info = file.valid() ? readHidInterfaceInfo(file.get(), *path) : std::nullopt;
    if (!info) continue;
    info->memberIndex = static_cast<int>(index);
    found.push_back(*info);
  }
  return found;
}

std::unique_ptr<HidDevice> Win32HidBus::open(const std::string& path, HidOpenError* error) {
  return Win32HidDevice::open(path, error);
}

void Win32HidBus::setChangeListener(ChangeListener listener) {
  const std::lock_guard lock(watchMutex_);
  watcher_.reset();
  if (listener) watcher_ = std::make_unique<HidChangeWatcher>(std::move(listener));
}

std::unique_ptr<HidBus> createNativeHidBus() {
  return std::make_unique<Win32HidBus>();
}

std::string nativePermissionHint() {
  return "Another program holds the mouse's HID interface open for itself.\n"
         "Close the other mouse tools, unplug the mouse, plug it in again and retry.\n";
}

}  // namespace pelorin
