#include "device/device_session.h"

namespace pelorin {

// Events and status answers reach the session on the UI thread through the link's hand-off.
DeviceSession::DeviceSession(DeviceLink& link, DeviceHost& host, ProfileTable& profiles,
                             const MacroLibrary& library, const LanguageTable& texts)
    : link_(link), host_(host), profiles_(profiles), library_(library), texts_(texts) {
  link_.setEventHandler([this](const Report& event) { onDeviceEvent(event); });
  link_.setStatusHandler([this](const Report& answer) { parseStatus(answer); });
}

}  // namespace pelorin
