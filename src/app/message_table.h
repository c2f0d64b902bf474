#pragma once
// Who handles a control id or message number of the main window: the window itself or one of
// its pages. One table, so the handler of any id is found in one place.
#include <cstdint>
#include <optional>

namespace pelorin {

enum class MessageOwner : std::uint8_t {
  Window,   // window buttons, captions, headers, slot bar, tray, link
  Buttons,  // button assignment combos and their menus
  Dpi,
  Lighting,
  Polling,
  LiftOff,
  Debounce,
  Pointer,
  Power,
  Battery,
};

struct MessageRange {
  int first;
  int last;
  MessageOwner owner;
};

std::optional<MessageOwner> messageOwner(int id);

}  // namespace pelorin
