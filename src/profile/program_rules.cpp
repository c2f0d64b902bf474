#include "profile/program_rules.h"

#include <algorithm>

namespace pelorin {
namespace {

constexpr std::size_t kFirstLinkPair = static_cast<std::size_t>(Setting::GameFile0);

// Simple case folding of the alphabets a program's name is likely to use: Latin, Greek and
// Cyrillic. Windows compares names this way for these ranges.
char16_t folded(char16_t c) {
  if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
      (c >= 0x391 && c <= 0x3AB && c != 0x3A2) || (c >= 0x410 && c <= 0x42F)) {
    return static_cast<char16_t>(c + 0x20);
  }
  if (c >= 0x400 && c <= 0x40F) return static_cast<char16_t>(c + 0x50);
  return c;
}

bool sameName(std::u16string_view a, std::u16string_view b, ProgramNaming naming) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    char16_t x = a[k];
    char16_t y = b[k];
    if (naming.separators.find(x) != std::u16string_view::npos &&
        naming.separators.find(y) != std::u16string_view::npos) {
      continue;
    }
    if (naming.caseless) {
      x = folded(x);
      y = folded(y);
    }
    if (x != y) return false;
  }
  return true;
}

std::u16string_view fileName(std::u16string_view path, ProgramNaming naming) {
  const auto cut = path.find_last_of(naming.separators);
  return cut == std::u16string_view::npos ? path : path.substr(cut + 1);
}

}  // namespace

std::vector<ProgramRule> programRules(const ProfileTable& profiles, const ShowList& shown) {
  std::vector<ProgramRule> rules;
  const int count = std::clamp(shown.count, 0, static_cast<int>(kProfileCount));
  for (int k = 0; k < count; ++k) {
    const int profile = shown.order[static_cast<std::size_t>(k)];
    const ProfileRecord* record = profiles.record(static_cast<std::size_t>(profile));
    if (record == nullptr) continue;
    const auto links = programLinks(*record);
    for (std::size_t link = 0; link < links.size(); ++link) {
      if (!links[link].empty()) rules.push_back({profile, link, links[link]});
    }
  }
  return rules;
}

bool programMatches(std::u16string_view rule, const ProgramIdentity& program,
                    ProgramNaming naming) {
  if (rule.empty()) return false;
  if (rule.find_first_of(naming.separators) != std::u16string_view::npos) {
    return !program.path.empty() && sameName(rule, program.path, naming);
  }
  const std::u16string_view name =
      program.path.empty() ? std::u16string_view(program.name) : fileName(program.path, naming);
  return sameName(rule, name, naming);
}

std::optional<int> matchingProfile(const std::vector<ProgramRule>& rules,
                                   const std::vector<ProgramIdentity>& programs,
                                   ProgramNaming naming) {
  for (const ProgramRule& rule : rules) {
    for (const ProgramIdentity& program : programs) {
      if (programMatches(rule.program, program, naming)) return rule.profile;
    }
  }
  return std::nullopt;
}

std::array<std::u16string, kProgramLinksPerProfile> programLinks(const ProfileRecord& profile) {
  std::array<std::u16string, kProgramLinksPerProfile> links;
  for (std::size_t k = 0; k < links.size(); ++k) links[k] = profile.pairValue(kFirstLinkPair + k);
  return links;
}

void setProgramLink(ProfileRecord& profile, std::size_t link, std::u16string program) {
  if (link >= kProgramLinksPerProfile) return;
  profile.pairs[kFirstLinkPair + link].value = std::move(program);
}

bool addProgramLink(ProfileRecord& profile, std::u16string program) {
  const auto links = programLinks(profile);
  const auto empty = std::find(links.begin(), links.end(), std::u16string());
  if (empty == links.end()) return false;
  setProgramLink(profile, static_cast<std::size_t>(empty - links.begin()), std::move(program));
  return true;
}

int removeProgramLinks(ProfileTable& profiles, std::u16string_view program) {
  int cleared = 0;
  for (std::size_t p = 0; p < kProfileCount; ++p) {
    ProfileRecord& record = *profiles.record(p);
    const auto links = programLinks(record);
    for (std::size_t k = 0; k < links.size(); ++k) {
      if (!program.empty() && links[k] == program) {
        setProgramLink(record, k, {});
        ++cleared;
      }
    }
  }
  return cleared;
}

}  // namespace pelorin
