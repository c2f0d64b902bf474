#include "skin/open_dialog_table.h"

#include <algorithm>
#include <vector>

namespace pelorin {

bool OpenDialogTable::add(WindowId id) {
  if (count_ == slots_.size()) return false;
  slots_[count_++] = id;
  return true;
}

void OpenDialogTable::remove(WindowId id) {
  const auto used = slots_.begin() + static_cast<std::ptrdiff_t>(count_);
  const auto found = std::find(slots_.begin(), used, id);
  if (found == used) return;
  std::move(found + 1, used, found);
  slots_[--count_] = kNoWindow;
  if (removed_) removed_();
}

void OpenDialogTable::closeAll(WindowSystem& host) const {
  // Closing a window edits the table, so walk a copy.
  const std::vector<WindowId> open(entries().begin(), entries().end());
  for (const WindowId id : open) host.send(id, Message{msg::kClose, 0, 0, {}});
}

}  // namespace pelorin
