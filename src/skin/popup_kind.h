#pragma once
// Each use of a popup window has a kind; when the user clicks elsewhere the popup tells its
// owner with the message of its kind, so the owner knows which of its popups went away.
#include <optional>

#include "platform/window_message.h"

namespace pelorin {

constexpr int kPopupKindCount = 16;
// Sent to the owner when a popup receives a close message.
constexpr unsigned kPopupClosingMessage = msg::kUser + 1;

// Empty for kinds that report nothing (4 and 5) and for unknown kinds.
std::optional<unsigned> popupClosedMessage(int kind);

}  // namespace pelorin
