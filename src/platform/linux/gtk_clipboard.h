#pragma once
// The desktop clipboard (the CLIPBOARD selection) through GTK.
#include "platform/clipboard.h"

namespace pelorin {

class GtkTextClipboard final : public Clipboard {
 public:
  void setText(std::u16string_view text) override;
  // Waits for the owner's answer in a nested main loop, as GTK does for synchronous reads.
  std::optional<std::u16string> text() override;
};

}  // namespace pelorin
