#pragma once
// The command groups of pelorinctl. Each takes the words after its group name and returns the
// process exit code: 0 success, 1 failure, 2 usage error.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pelorin::ctl {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

struct Options {
  bool simulate = false;
  bool trace = false;
  std::optional<std::filesystem::path> dataDir;
  // --profile N: the profile `set` changes (0..4); the current one when not given.
  std::optional<std::size_t> profile;
};

using Args = std::vector<std::string>;

// The data folder: --data-dir when given, otherwise the user's.
std::filesystem::path dataFolder(const Options& options);
// "discharging", "charging" or "full", as status and watch print it.
const char* chargeStateName(int state);

int runDevices(const Options& options, const Args& args);
int runStatus(const Options& options, const Args& args);
int runMacro(const Options& options, const Args& args);
int runApply(const Options& options, const Args& args);
int runResetDevice(const Options& options, const Args& args);
int runWatch(const Options& options, const Args& args);
int runSet(const Options& options, const Args& args);
// autoswitch list | add PROGRAM N | remove PROGRAM
int runAutoswitch(const Options& options, const Args& args);

}  // namespace pelorin::ctl
