#include "profile/profile_rules.h"

#include <algorithm>
#include <bit>

namespace pelorin {
namespace {

// The level (0..7) of the ordinal-th enabled level, -1 when fewer are enabled.
int levelOf(std::uint8_t mask, int ordinal) {
  for (int level = 0; level < static_cast<int>(kDpiLevelCount); ++level) {
    if (((mask >> level) & 1u) != 0 && ordinal-- == 0) return level;
  }
  return -1;
}

}  // namespace

bool isLeftClick(const AssignmentCode& code) {
  return code.type == code_type::kMouseButton && code.param1 == button_mask::kLeft;
}

bool hasLeftClick(const ProfileRecord& record) {
  return std::ranges::any_of(record.keys, [](const KeySlot& k) { return isLeftClick(k.Value); });
}

DpiSwitch switchDpiLevel(ProfileRecord& record, int level, bool on) {
  if (level < 0 || level >= static_cast<int>(kDpiLevelCount)) return DpiSwitch::Unchanged;
  const auto bit = static_cast<std::uint8_t>(1u << level);
  if (((record.DPIOffOnFlag & bit) != 0) == on) return DpiSwitch::Unchanged;
  if (!on && record.DPIOffOnFlag == bit) return DpiSwitch::LastLevelStays;
  const int current = levelOf(record.DPIOffOnFlag, record.CurrentDPILevel);
  record.DPIOffOnFlag =
      static_cast<std::uint8_t>(on ? record.DPIOffOnFlag | bit : record.DPIOffOnFlag & ~bit);
  std::uint8_t& ordinal = record.CurrentDPILevel;
  if (on && current > level) ++ordinal;
  if (!on && current > level) --ordinal;
  if (!on && current == level && ordinal > 0) --ordinal;
  return DpiSwitch::Done;
}

bool makeDpiLevelCurrent(ProfileRecord& record, int level) {
  if (level < 0 || level >= static_cast<int>(kDpiLevelCount)) return false;
  const auto mask = static_cast<unsigned>(record.DPIOffOnFlag);
  if (((mask >> level) & 1u) == 0) return false;
  record.CurrentDPILevel = static_cast<std::uint8_t>(std::popcount(mask & ((1u << level) - 1)));
  return true;
}

bool fitDpiSteps(ProfileRecord& record, int stepCount) {
  if (stepCount <= 0) return false;
  bool changed = false;
  for (DpiStepIndex& step : record.XYSetting) {
    if (step < stepCount) continue;
    step = static_cast<DpiStepIndex>(stepCount - 1);
    changed = true;
  }
  return changed;
}

}  // namespace pelorin
