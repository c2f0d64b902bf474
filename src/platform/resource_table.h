#pragma once
// Pictures carried inside the program, found by their resource id.
#include <cstdint>
#include <map>
#include <span>

namespace pelorin {

class ResourceTable {
 public:
  // The bytes must live as long as the table; embedded data lives for the whole run.
  void add(int id, std::span<const std::uint8_t> bytes);
  // Empty when the program carries no resource with this id.
  std::span<const std::uint8_t> find(int id) const;

 private:
  std::map<int, std::span<const std::uint8_t>> entries_;
};

// The resources built into this program; defined by the generated resource library.
const ResourceTable& embeddedResources();

}  // namespace pelorin
