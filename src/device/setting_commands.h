#pragma once
// The one table of setting commands: for each command its code, the group that sends it, the
// payload builder and how much of the payload decides whether it must go again. Priming, the full
// send and the dispatcher all walk this table, in its order, which is the order of sending.
#include <cstdint>
#include <span>

#include "device/feature_report.h"
#include "device/setting_images.h"
#include "profile/profile_record.h"

namespace pelorin {

// What a page marks pending after changing the profile.
enum class SettingGroup : std::uint8_t { Buttons, Performance, Power, MotionWakeup };
constexpr std::size_t kSettingGroupCount = 4;

// `compared` for the commands of variable length: the length byte and as many payload bytes as
// it announces.
constexpr std::uint8_t kComparedAsAnnounced = 0xFF;

struct SettingCommand {
  DeviceCommand code;
  SettingGroup group;
  SettingPayload (*build)(const ProfileRecord&);
  std::uint8_t compared;    // leading payload bytes compared with what was last sent
  bool pacedWhenUnchanged;  // the button positions cost their pause, sent or not
};

std::span<const SettingCommand> settingCommands();
constexpr std::size_t kSettingCommandCount = 13;

// Whether a newly built payload says nothing the mouse was not last sent.
bool sameAsSent(const SettingCommand& command, const SettingPayload& built,
                const SettingPayload& sent);

// The row of a command that has exactly one (not SetButton, which has one per position).
std::size_t settingRow(DeviceCommand code);

}  // namespace pelorin
