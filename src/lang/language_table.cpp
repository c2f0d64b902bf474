#include "lang/language_table.h"

namespace pelorin {

const std::u16string& LanguageTable::operator[](int id) const {
  static const std::u16string kEmpty;
  return (id >= 0 && id < kSize) ? texts_[static_cast<std::size_t>(id)] : kEmpty;
}

void LanguageTable::set(int id, std::u16string text) {
  if (id >= 0 && id < kSize) texts_[static_cast<std::size_t>(id)] = std::move(text);
}

void LanguageTable::clear() {
  texts_.fill({});
}

}  // namespace pelorin
