#pragma once
// Opening a HID interface by its path and reading what Windows says about it: the ids from its
// attributes and the report lengths from its capabilities.
#include <optional>
#include <string>

#include "platform/hid_bus.h"
#include "platform/win32/owned_handle.h"

namespace pelorin {

// access 0 only queries (works on interfaces the system holds, such as the mouse's own);
// GENERIC_READ | GENERIC_WRITE with overlapped reads for transfers.
OwnedHandle openHidPath(const std::string& path, DWORD access, DWORD flags);

std::optional<HidInterfaceInfo> readHidInterfaceInfo(HANDLE file, const std::string& path);

HidOpenError openErrorFromCode(DWORD code);

}  // namespace pelorin
