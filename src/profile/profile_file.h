#pragma once
// The profile file (".psf"): one profile in 87 lines of UTF-16 text. Lines are recognised by
// their position only, so a file edited by hand keeps working as long as every line stays in
// its place, and the reader never compares a key.
#include <cstddef>
#include <filesystem>

#include "common/stdio_file_ex.h"
#include "lang/language_table.h"
#include "macro/action_string.h"
#include "profile/profile_record.h"
#include "profile/profile_table.h"

namespace pelorin {

inline constexpr std::size_t kProfileFileLineCount = 87;
// Hex digits of an "AllAction" line: every one of a macro's 336 slots, used or not.
inline constexpr std::size_t kAllActionDigits = kActionStringDigits;

CStdioFileEx::Lines formatProfile(const ProfileRecord& record);

// Fills the record line by line; false at the first line that breaks the rules, with the fields
// before it already changed. Of each macro only the name, the action count and the action slots
// are taken, and its command count is counted from the actions; its library index and loop
// settings keep their values.
bool parseProfile(const CStdioFileEx::Lines& lines, ProfileRecord& record);

// False when the file could not be written; the previous file then stays as it was.
bool writeProfileFile(const ProfileRecord& record, const std::filesystem::path& path);

// Reads profile `index` from path. A file that is missing or breaks the rules returns that
// profile to its factory defaults, which are written to its slot file (not necessarily the file
// that was read); the result is then false.
bool readProfileFile(ProfileTable& table, std::size_t index, const std::filesystem::path& path,
                     const std::filesystem::path& slotPath, const LanguageTable& texts);

}  // namespace pelorin
