#include "platform/resource_table.h"

namespace pelorin {

void ResourceTable::add(int id, std::span<const std::uint8_t> bytes) {
  entries_[id] = bytes;
}

std::span<const std::uint8_t> ResourceTable::find(int id) const {
  const auto it = entries_.find(id);
  return it == entries_.end() ? std::span<const std::uint8_t>{} : it->second;
}

}  // namespace pelorin
