#pragma once
// The 500 numbered texts from which every caption, menu entry, message and default name comes.
#include <array>
#include <string>

namespace pelorin {

class LanguageTable {
 public:
  static constexpr int kSize = 500;

  // Ids outside 0..499 read as the empty text; callers pass fixed ids.
  const std::u16string& operator[](int id) const;
  // Ids outside the table are ignored, so a language file can never write past it.
  void set(int id, std::u16string text);
  void clear();

 private:
  std::array<std::u16string, kSize> texts_{};
};

}  // namespace pelorin
