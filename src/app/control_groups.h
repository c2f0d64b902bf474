#pragma once
// The six collapsible groups of the main window's right-hand column: which groups a newly opened
// one closes, and where the headers and frames sit for a set of open groups.
#include <array>
#include <bitset>
#include <cstddef>

#include "platform/rect.h"

namespace pelorin {

// DPI, lighting, polling rate, lift-off distance, debounce time, pointer settings.
enum class ControlGroup : std::size_t { Dpi, Lighting, Polling, LiftOff, Debounce, Pointer };
inline constexpr std::size_t kControlGroupCount = 6;

// Header control ids in the order of ControlGroup.
inline constexpr std::array<int, kControlGroupCount> kGroupHeaderIds = {3001, 3002, 3004,
                                                                        3011, 3012, 3003};

class OpenGroups {
 public:
  bool isOpen(ControlGroup group) const { return bits_.test(index(group)); }
  void set(ControlGroup group, bool open) { bits_.set(index(group), open); }
  friend bool operator==(const OpenGroups&, const OpenGroups&) = default;

 private:
  static std::size_t index(ControlGroup group) { return static_cast<std::size_t>(group); }
  std::bitset<kControlGroupCount> bits_;
};

// A click on a header toggles it; a group that opens closes others so the column fits the window.
OpenGroups toggleGroup(OpenGroups open, ControlGroup clicked);

struct GroupLayout {
  // Design rectangles of the headers and of the open groups' frames (empty when closed).
  std::array<Rect, kControlGroupCount> header{};
  std::array<Rect, kControlGroupCount> frame{};
};

// liftOffShown: the lift-off header is only there for sensors that have the setting.
GroupLayout layoutGroups(const OpenGroups& open, bool liftOffShown);

}  // namespace pelorin
