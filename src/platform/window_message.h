#pragma once
// Numbered messages between windows. Numbers below kUser are the window system's own; controls
// and popups use their ids and the fixed numbers of the program above it.
#include <any>
#include <cstdint>

namespace pelorin {

namespace msg {
constexpr unsigned kClose = 0x0010;
// A menu choice; wParam is the item's command.
constexpr unsigned kCommand = 0x0111;
constexpr unsigned kUser = 0x0400;
}  // namespace msg

struct Message {
  unsigned id = 0;
  std::intptr_t wParam = 0;
  std::intptr_t lParam = 0;
  // For posted messages that need more than two words; sent messages may point lParam at the
  // sender's stack instead.
  std::any payload;
};

}  // namespace pelorin
