#pragma once
// The group senders: each builds its commands from the profile, compares them with what was last
// sent and sends only what differs, with the pacing the mouse needs. Without a command handle they
// build nothing, so the change is still seen as new at a later dispatch.
#include "device/device_link.h"
#include "profile/profile_record.h"

namespace pelorin {

void sendButtons(DeviceLink& link, const ProfileRecord& profile);
// All six commands are built and compared before the first is sent.
void sendPerformanceGroup(DeviceLink& link, const ProfileRecord& profile);
void sendPower(DeviceLink& link, const ProfileRecord& profile);
void sendMotionWakeup(DeviceLink& link, const ProfileRecord& profile);

// Stores every setting image as if sent, so that the next dispatch sends only later changes.
void primeSettingImages(DeviceLink& link, const ProfileRecord& profile);

// No pacing and no answer follow the reset command.
void sendFactoryReset(DeviceLink& link);

}  // namespace pelorin
