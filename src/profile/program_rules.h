#pragma once
// The programs linked to the profiles (each profile's GameFile0..2) read as switching rules, and
// how a rule recognises a running program. Nothing is stored beyond the three pairs.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/program_identity.h"
#include "profile/app_config.h"
#include "profile/profile_table.h"

namespace pelorin {

inline constexpr std::size_t kProgramLinksPerProfile = 3;

// How the system names files: Windows ignores case and takes both slashes as separators.
struct ProgramNaming {
  bool caseless = false;
  std::u16string_view separators = u"/";
};
inline constexpr ProgramNaming kPosixNaming{false, u"/"};
inline constexpr ProgramNaming kWindowsNaming{true, u"\\/"};
#ifdef _WIN32
inline constexpr ProgramNaming kHostNaming = kWindowsNaming;
#else
inline constexpr ProgramNaming kHostNaming = kPosixNaming;
#endif

struct ProgramRule {
  int profile = 0;
  std::size_t link = 0;  // 0..2, the GameFile pair
  std::u16string program;
  friend bool operator==(const ProgramRule&, const ProgramRule&) = default;
};

// Every non-empty link of the shown profiles, in slot order, then link 0..2.
std::vector<ProgramRule> programRules(const ProfileTable& profiles, const ShowList& shown);

// A rule with a folder separator names one executable by its full path; a bare name matches
// any executable of that file name.
bool programMatches(std::u16string_view rule, const ProgramIdentity& program,
                    ProgramNaming naming = kHostNaming);

// The profile of the first rule that matches any of the programs, else none.
std::optional<int> matchingProfile(const std::vector<ProgramRule>& rules,
                                   const std::vector<ProgramIdentity>& programs,
                                   ProgramNaming naming = kHostNaming);

// The three links of a profile, by position.
std::array<std::u16string, kProgramLinksPerProfile> programLinks(const ProfileRecord& profile);
void setProgramLink(ProfileRecord& profile, std::size_t link, std::u16string program);

// Puts the program into the first empty link; false when all three are taken.
bool addProgramLink(ProfileRecord& profile, std::u16string program);
// Clears every link of every profile that holds exactly this text; the number cleared.
int removeProgramLinks(ProfileTable& profiles, std::u16string_view program);

}  // namespace pelorin
