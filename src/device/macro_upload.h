#pragma once
// Macros on the mouse: the buttons of the current profile that play a macro get numbered device
// slots, and each macro goes to its slot in 25-byte chunks when it differs from what was sent.
#include <cstdint>

#include "device/device_link.h"
#include "device/last_sent_images.h"
#include "lang/language_table.h"
#include "macro/macro_library.h"
#include "profile/profile_record.h"

namespace pelorin {

constexpr std::uint8_t kMacroCodeType = 0x90;
constexpr std::uint32_t kMaxEntryDelayMs = 4095;

// Numbers the macros of the five buttons in button order (a macro used twice shares its slot)
// and rewrites their codes. A button whose macro left the library becomes unassigned. With
// relink, the buttons' macro copies are refreshed from the library; returns true when that
// changed the profile.
bool assignMacroSlots(ProfileRecord& profile, const MacroLibrary& library,
                      const LanguageTable& texts, bool relink);

// The device form of one macro in its slot: header, then one 3-byte entry per non-delay action.
// The whole area is what the chunks carry; its first 512 bytes are what is kept and compared.
constexpr std::size_t kMacroAreaSize = 1024;
using MacroArea = std::array<std::uint8_t, kMacroAreaSize>;
MacroArea buildMacroImage(const MacroKey& macro, std::uint8_t slot);

struct UploadOutcome {
  bool sent = false;     // at least one chunk reached the mouse
  bool refused = false;  // a macro did not get through; it goes out at the next dispatch
};

// Stores every macro button's image as last sent; sends the changed ones when asked to. A macro
// that could not be sent whole (no handle, or a chunk the device refused) is not recorded as
// sent, so it goes out at a later dispatch.
UploadOutcome uploadMacros(DeviceLink& link, const ProfileRecord& profile,
                           std::array<std::optional<MacroImage>, kMacroSlotCount>& lastSent,
                           bool send);

}  // namespace pelorin
