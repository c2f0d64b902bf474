// The "autoswitch" command group: the programs linked to the profiles, which switch the window
// program to their profile while they have the focus.
#include <algorithm>
#include <cstdio>
#include <string>

#include "common/utf.h"
#include "pelorinctl/commands.h"
#include "pelorinctl/device_context.h"
#include "profile/config_loader.h"
#include "profile/program_rules.h"

namespace pelorin::ctl {
namespace {

int autoswitchUsage() {
  std::fprintf(stderr,
               "usage: pelorinctl autoswitch list | add PROGRAM N | remove PROGRAM   "
               "(N = 1..5, a shown profile)\n");
  return kExitUsage;
}

// Quoted for the shell when it needs to be, so a listed line can be given back to add.
std::string shellWord(const std::string& word) {
  const bool plain = !word.empty() && word.find_first_not_of(
                                          "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                          "0123456789/._-+:,@%") == std::string::npos;
  if (plain) return word;
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

int listRules(const AppData& loaded) {
  for (const ProgramRule& rule : programRules(loaded.profiles, loaded.config.showList())) {
    std::printf("%s %d\n", shellWord(toUtf8(rule.program)).c_str(), rule.profile + 1);
  }
  return kExitOk;
}

int save(const AppData& loaded) {
  if (saveAllProfiles(loaded.profiles, loaded.config)) return kExitOk;
  std::fprintf(stderr, "cannot write the profile files\n");
  return kExitFailure;
}

int addRule(AppData& loaded, const std::string& program, const std::string& number) {
  const ShowList shown = loaded.config.showList();
  const bool digit = number.size() == 1 && number[0] >= '1' && number[0] <= '5';
  const int profile = digit ? number[0] - '1' : -1;
  const auto end = shown.order.begin() + shown.count;
  if (!digit || std::find(shown.order.begin(), end, profile) == end) {
    std::fprintf(stderr, "profile %s is not shown; pelorinctl profile list shows which are\n",
                 number.c_str());
    return kExitUsage;
  }
  if (!addProgramLink(*loaded.profiles.record(static_cast<std::size_t>(profile)),
                      toUtf16(program))) {
    std::fprintf(stderr, "profile %d already links three programs; remove one first\n",
                 profile + 1);
    return kExitUsage;
  }
  return save(loaded);
}

int removeRule(AppData& loaded, const std::string& program) {
  if (removeProgramLinks(loaded.profiles, toUtf16(program)) == 0) {
    std::fprintf(stderr, "no profile links %s\n", program.c_str());
    return kExitFailure;
  }
  return save(loaded);
}

}  // namespace

int runAutoswitch(const Options& options, const Args& args) {
  if (args.empty()) return autoswitchUsage();
  const std::string& verb = args[0];
  const std::size_t expected = verb == "list" ? 1 : verb == "add" ? 3 : verb == "remove" ? 2 : 0;
  if (expected == 0 || args.size() != expected) return autoswitchUsage();
  if (verb != "list" && args[1].empty()) return autoswitchUsage();
  auto loaded = loadDataFolder(options);
  if (!loaded) return kExitFailure;
  if (verb == "list") return listRules(*loaded);
  if (verb == "add") return addRule(*loaded, args[1], args[2]);
  return removeRule(*loaded, args[1]);
}

}  // namespace pelorin::ctl
