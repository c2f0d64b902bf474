#pragma once
// X key symbols to the virtual-key codes the program's key handling is written against.
#include <cstdint>

namespace pelorin {

// 0 for symbols that have no virtual key.
int keysymToVirtualKey(std::uint32_t keysym);

}  // namespace pelorin
