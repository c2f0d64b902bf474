#pragma once
// The desktop's clipboard as the edit fields use it: plain text only.
#include <optional>
#include <string>
#include <string_view>

namespace pelorin {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void setText(std::u16string_view text) = 0;
  // Empty when the clipboard holds no text.
  virtual std::optional<std::u16string> text() = 0;
};

// A clipboard that lives only as long as the program: the headless host's.
class MemoryClipboard final : public Clipboard {
 public:
  void setText(std::u16string_view text) override { text_ = std::u16string(text); }
  std::optional<std::u16string> text() override { return text_; }

 private:
  std::optional<std::u16string> text_;
};

}  // namespace pelorin
