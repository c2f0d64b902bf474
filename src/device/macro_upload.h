#pragma once
// Macros on the mouse: the buttons of the current profile that play a macro get numbered device
// slots, and each macro goes to its slot in 25-byte chunks when it differs from what was sent.
#include <cstdint>

#include "device/device_link.h"
#include "lang/language_table.h"
#include "macro/macro_library.h"
#include "profile/profile_record.h"

namespace pelorin {

constexpr std::uint8_t kMacroCodeType = 0x90;
constexpr std::uint32_t kMaxEntryDelayMs = 4095;
constexpr int kUnassignedButtonText = 34;

// Numbers the macros of the five buttons in button order (a macro used twice shares its slot)
// and rewrites their codes. A button whose macro left the library becomes unassigned. With the
// link's relink flag set, the buttons' macro copies are refreshed from the library; returns true
// when that changed the profile.
bool assignMacroSlots(DeviceLink& link, ProfileRecord& profile, const MacroLibrary& library,
                      const LanguageTable& texts);

// The device form of one macro in its slot: header, then one 3-byte entry per non-delay action.
// The whole area is what the chunks carry; its first 512 bytes are what is kept and compared.
constexpr std::size_t kMacroAreaSize = 1024;
using MacroArea = std::array<std::uint8_t, kMacroAreaSize>;
MacroArea buildMacroImage(const MacroKey& macro, std::uint8_t slot);

// Stores every macro button's image as last sent; sends the changed ones when asked to. Without
// a command handle a send stores nothing, so the macro goes out at a later dispatch.
void uploadMacros(DeviceLink& link, const ProfileRecord& profile, bool send);

}  // namespace pelorin
