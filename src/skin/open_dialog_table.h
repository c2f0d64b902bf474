#pragma once
// The dialogs and popups that are open, so the main window can close them all when it must.
#include <array>
#include <functional>
#include <span>

#include "platform/window_system.h"

namespace pelorin {

class OpenDialogTable {
 public:
  static constexpr int kCapacity = 10;

  // False when the table is full: an eleventh window goes unrecorded.
  bool add(WindowId id);
  // Later entries move down so the used slots stay at the front.
  void remove(WindowId id);
  std::span<const WindowId> entries() const { return {slots_.data(), count_}; }
  // Sends a close message to every recorded window; they remove themselves as they go.
  void closeAll(WindowSystem& host) const;
  // Told after every removal, so a decision that waits for the dialogs can follow their closing.
  void setRemoveListener(std::function<void()> listener) { removed_ = std::move(listener); }

 private:
  std::array<WindowId, kCapacity> slots_{};
  std::size_t count_ = 0;
  std::function<void()> removed_;
};

}  // namespace pelorin
