#pragma once
// The system clipboard's Unicode text.
#include "platform/clipboard.h"

namespace pelorin {

class Win32Clipboard final : public Clipboard {
 public:
  void setText(std::u16string_view text) override;
  std::optional<std::u16string> text() override;
};

}  // namespace pelorin
