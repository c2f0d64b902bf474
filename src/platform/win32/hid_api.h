#pragma once
// HID.DLL's declarations. MinGW's headers lack the C linkage guards, so they get them here.
#include <windows.h>

extern "C" {
#include <hidsdi.h>
}
