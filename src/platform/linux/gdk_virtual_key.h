#pragma once
// The virtual key of a hardware key code as it is on the unshifted layout, since virtual keys
// name keys rather than characters. Shared by the window host and the keyboard hook.
namespace pelorin {

// keysymIfUnmapped stands for a code the layout does not know.
int virtualKeyOfKeycode(unsigned hardwareKeycode, int group, unsigned keysymIfUnmapped);

}  // namespace pelorin
